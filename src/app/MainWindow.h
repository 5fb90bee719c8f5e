#pragma once

#include "ColourScheme.h"
#include "EditSession.h"
#include "Languages.h"
#include "PreviewPanes.h"

#include <QPoint>
#include <QWidget>

#include <array>
#include <memory>

class ElementList;
class PaletteFrame;
class PaneView;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class RgbEditor;
class UserDialogs;

// The editor window. It owns the scheme, the preview and every control, and
// wires them together; the controls do their own work (RgbEditor, PaletteFrame,
// ElementList) on the shared EditSession.
//
// The members named like the controls are the controls; their object names are
// the same, arrays carry the index in the name (txtRGB0, PicturePreview3, ...).
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Replaces the file dialogs and message boxes (tests answer them).
    void setDialogs(std::unique_ptr<UserDialogs> dialogs);

    const ColourScheme &scheme() const { return m_scheme; }
    const EditSession &session() const { return m_session; }
    const PreviewPanes &panes() const { return m_panes; }
    int flashElement() const { return m_flashElement; }

    // Commands.
    void openScheme();
    void saveScheme();
    void loadMask();
    void loadStandardScheme(StandardScheme scheme);
    void applyLanguage(Language language);

    // One tick of tmrBlink: the first shows the picked element in its inverse
    // colour, the second restores it and stops the timer.
    void blink();

private:
    // The window's one place that creates and places the controls.
    void buildWindow();
    void buildPreviewFrame(QWidget *area);
    void buildElementFrame(QWidget *area);
    void buildPaletteTabs(QWidget *area);
    void buildNameFrame(QWidget *area);
    void connectControls();

    void showElement();
    void repaintAll();
    void showPaletteTab(int index);
    void pick(int pane);
    // Gives an element shown in its flash colour its own colour back.
    void endFlash();
    void setProviderFlags(bool hidden);
    void showProblem(const QString &text, const QString &details);

    ColourScheme m_scheme;
    PreviewPanes m_panes;
    EditSession m_session;
    std::unique_ptr<UserDialogs> m_dialogs;
    QPoint m_lastPointer;
    int m_flashElement = 0; // > 0: flash due; < 0: shown in its flash colour

    QWidget *MainElements = nullptr;
    QGroupBox *FramePreview = nullptr;
    std::array<PaneView *, PreviewPanes::kCount> PicturePreview{};
    QCheckBox *chkBlink = nullptr;
    QCheckBox *chkProvider = nullptr;
    std::array<QLabel *, 4> DEVEdition{};
    QPushButton *cmdLoadMask = nullptr;
    QGroupBox *frameElement = nullptr;
    ElementList *cmbElement = nullptr;
    QTabWidget *TabPaletteSelect = nullptr;
    PaletteFrame *frameFarbe256 = nullptr;
    RgbEditor *frameFarbe16Bit = nullptr;
    QGroupBox *FrameTitel = nullptr;
    QLineEdit *txtNamedesSchemes = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdSave = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QTimer *tmrBlink = nullptr;
};
