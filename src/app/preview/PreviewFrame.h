#pragma once

#include "ClickSequence.h"
#include "Languages.h"
#include "PreviewPanes.h"
#include "Rgb.h"

#include <QGroupBox>
#include <QPoint>

#include <array>

class PaneView;
class QCheckBox;
class QFrame;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class ReadabilityModel;
class SchemeModel;

// The "Preview" frame: the six panes drawn from the scheme, picking an element by
// a click on them, its flash, the makers' click sequence and the two options.
// It owns the flash (an overlay that always gives the element back its colour
// from the scheme) and the provider-name flags; the window does the rest of a pick.
class PreviewFrame : public QGroupBox
{
    Q_OBJECT
public:
    PreviewFrame(SchemeModel &scheme, PreviewPanes &panes, const ReadabilityModel &readability,
                 QWidget *parent = nullptr);

    // The etched rule under the panes: a shadow line with a highlight line one
    // pixel below it, drawn once the window starts.
    void etchRule();

    // The element of the last flash (0 before any), and whether it is shown in
    // its flash colour now.
    int flashElement() const { return m_flashElement; }
    bool isFlashShown() const { return m_flash == Flash::Shown; }
    // One tick of tmrBlink: the first shows the picked element in its inverse
    // colour, the second gives it its colour back and stops the timer.
    void blink();

    // The makers' click sequence: complete after their eight clicks, started
    // again by every tick of tCheatModus.
    const ClickSequence &clickSequence() const { return m_clickSequence; }
    void resetClickSequence();

    // What the pointer rests on in a pane: the element and its colour, or
    // nothing over a fixed pixel.
    QString toolTip(int pane, QPoint at) const;
    // A click at a point of a pane, from wherever the panes are shown.
    void pickAt(int pane, QPoint at);

    // How the panes are drawn, as chosen in their context menu and kept in the
    // settings store. Picking and tooltips always read the scheme's colours.
    PreviewPanes::View view() const;
    // Commands of the window that the panes' context menu offers above the
    // views; returns that menu.
    QMenu *addContextActions(const QList<QAction *> &actions);

signals:
    // A click picked an element; `shown` is the colour the pane shows there.
    void picked(int element, const Rgb &shown);
    // A right click on an element's pixel: the element is to become current, as
    // when chosen in the list, before the context menu names it.
    void elementPointed(int element);
    // The hidden developer button asks for preview pictures from a file.
    void maskFileRequested();

protected:
    void showEvent(QShowEvent *event) override;
    // Around the pane that has the focus, a frame in the highlight colour.
    void paintEvent(QPaintEvent *event) override;

private:
    enum class Flash { None, Due, Shown };

    void pick(int pane);
    void endFlash();
    void hideProviderName(bool hidden);
    void buildViewMenu();
    void chooseView();
    void retranslate();
    // The line under the panes that names the view while one is on.
    void showViewLine();

    SchemeModel &m_scheme;
    PreviewPanes &m_panes;
    const ReadabilityModel &m_readability;
    std::array<PaneView *, PreviewPanes::kCount> PicturePreview{};
    QFrame *Line3 = nullptr;
    QFrame *Line4 = nullptr;
    QCheckBox *chkBlink = nullptr;
    QCheckBox *chkProvider = nullptr;
    QLabel *DEVEdition3 = nullptr;
    QLabel *lblView = nullptr;
    QPushButton *cmdLoadMask = nullptr;
    QTimer *tmrBlink = nullptr;
    QTimer *tCheatModus = nullptr;
    // The panes' context menu: the phone's 16 bits, and one of the visions in
    // the order of ColourScience::Vision.
    QMenu *mnuPreviewView = nullptr;
    QAction *actPhoneColours = nullptr;
    std::array<QAction *, 4> actVision{};
    bool m_viewRestored = false;

    QPoint m_lastPointer;
    int m_flashElement = 0;
    Flash m_flash = Flash::None;
    ClickSequence m_clickSequence;
};
