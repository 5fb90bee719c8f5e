#pragma once

#include "ColourScheme.h"
#include "Derive.h"
#include "PreviewPanes.h"
#include "SchemeCommands.h"
#include "ToolWindow.h"

#include <QImage>

#include <functional>
#include <optional>

class ProposalBar;
class ReadingBar;
class QPainter;
class QPushButton;
class SchemeModel;
class UserDialogs;

// The six preview screens enlarged by a whole factor, without smoothing, as
// large as the widget allows. It follows the panes (their colours and view),
// reports a click as a point of a pane, and asks for the tooltip of a point.
// Compared with a second scheme, it shows that scheme on the right, in the same
// view, the elements whose colours differ outlined on both sides; while Space
// is held, the second scheme stands in the current one's place too. The held
// view ends when Space is released wherever the focus went meanwhile, when the
// panes lose the focus, and when they are hidden: it never sticks.
class LargePanes : public QWidget
{
    Q_OBJECT
public:
    LargePanes(const PreviewPanes &panes, const SchemeModel &scheme, QWidget *parent = nullptr);

    // A second scheme beside the current one, or none; the elements that differ
    // outlined unless asked not to (a derived scheme differs everywhere).
    void compareWith(const std::optional<ColourScheme> &other, bool outlined = true);
    bool isComparing() const { return m_other.has_value(); }
    // What each side shows, written above it while two schemes are side by side.
    void setCaptions(const QString &first, const QString &second);
    const QString &secondCaption() const { return m_captions.second; }

    int scale() const;
    // The size that shows the screens at a scale.
    QSize sizeAt(int scale) const { return shownSize() * scale; }
    // The pane under a point of the widget, and the point in the pane's pixels.
    std::optional<std::pair<int, QPoint>> paneAt(QPoint point) const;
    // What the widget shows, at its scale.
    QImage picture() const;
    void setToolTipSource(std::function<QString(int, QPoint)> source) { m_toolTip = std::move(source); }
    QSize minimumSizeHint() const override;

signals:
    void clicked(int pane, QPoint at);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // While Space is held, its release is watched for in the whole program.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QPoint origin() const;
    QSize shownSize() const; // in the screens' own pixels
    QImage side(const PreviewPanes &panes, int scale, const QList<QRect> &lines) const;
    void paintShown(QPainter &painter, QPoint at, int scale) const;
    void holdSecond(bool held);

    const PreviewPanes &m_panes;
    const SchemeModel &m_scheme;
    std::optional<ColourScheme> m_other;
    PreviewPanes m_otherPanes;
    bool m_outlined = true;
    std::pair<QString, QString> m_captions;
    bool m_showingOther = false; // Space is held
    std::function<QString(int, QPoint)> m_toolTip;
};

// A window of its own with the large preview, resizable, remembering its size
// and place; "Save picture…" writes what it shows. A scheme derived from a
// colour or a picture is proposed here, beside the current one, until it is
// applied or discarded or the window closes; so is Fix all's result, with the
// elements it changes outlined.
class LargePreviewWindow : public ToolWindow
{
    Q_OBJECT
public:
    LargePreviewWindow(const PreviewPanes &panes, const SchemeModel &scheme, UserDialogs &dialogs, QWidget *parent);

    LargePanes *panes() const { return m_panes; }

    // See ProposalBar::propose(); while a proposal stands it is the second scheme.
    void propose(const Derive::Seeds &seeds, const QString &source, const QString &name, bool colourBlind);
    void proposeFixAll(const FixAllProposal &proposal);
    void endProposal();
    bool isProposing() const;
    bool isProposingFixAll() const;
    // While the editor is covered, nothing here changes the scheme unseen:
    // Apply is grey and a click picks nothing.
    void setEditorCovered(bool covered) override;
    // While a picture is read for a proposal: its name, a busy sign and Cancel.
    void showReading(const QString &fileName);
    void endReading();

signals:
    void clicked(int pane, QPoint at);
    // Cancel was pressed while a picture was read, or the window was closed.
    void readingCancelled();
    void applyRequested(const ColourScheme &scheme, const QString &source);
    void fixAllApplyRequested(const FixAllProposal &proposal);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void retranslate();
    // A second scheme, or none, and what it is in the language of the moment; the
    // window grows to show two at twice their size.
    void showSecond(const std::optional<ColourScheme> &other, std::function<QString()> caption = {},
                    bool outlined = true);
    void showCaptions();
    // The read given up: by Cancel, or with the window.
    void cancelReading();
    // The scheme as last opened or saved, when it is the second, is taken anew
    // whenever that changes.
    void followSaved();
    void savePicture();
    void compareWithFile();

    const SchemeModel &m_scheme;
    UserDialogs &m_dialogs;
    std::function<QString()> m_secondCaption;
    bool m_secondIsSaved = false; // the second scheme is the one last opened or saved
    LargePanes *m_panes;
    ProposalBar *m_proposal;
    ReadingBar *m_reading;
    QPushButton *m_compare;
    QPushButton *m_save;
    bool m_changesAllowed = true;
};
