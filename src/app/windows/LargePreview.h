#pragma once

#include "ColourScheme.h"
#include "Derive.h"
#include "LargePanes.h"
#include "PreviewPanes.h"
#include "SchemeCommands.h"
#include "ToolWindow.h"

#include <QImage>

#include <functional>
#include <optional>

class ProposalBar;
class ReadingBar;
class QPushButton;
class SchemeModel;
class UserDialogs;

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
