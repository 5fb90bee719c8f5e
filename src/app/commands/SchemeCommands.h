#pragma once

#include "ColourScheme.h"
#include "Languages.h"
#include "ReadableFix.h"
#include "WholeSchemeCommands.h"

#include <QList>
#include <QObject>

#include <array>

class QAction;
class QWidget;
class ReadabilityModel;
class SchemeModel;

// What Fix all would make of a scheme, and what it was found for: it is applied
// only to that very scheme (colours, check marks, name), for the same eyes.
struct FixAllProposal
{
    ReadableFix::FixAll fixed;
    ColourScheme from;
    bool colourBlind = false;
};

// The commands on the whole scheme, offered in the element list's and the
// preview's context menus and by their keys anywhere in the window: the rows of
// WholeSchemeCommands that have an item there (Fix all, a new scheme derived
// from a colour or a picture, every colour inverted), then the history of every
// change (Ctrl+H) and the large preview (Ctrl+L). A row with a function of the
// scheme alone becomes one change of the history at once; Fix all and the
// derived schemes are proposed first, which is all that is done here by hand.
class SchemeCommands : public QObject
{
    Q_OBJECT
public:
    SchemeCommands(SchemeModel &scheme, const ReadabilityModel &readability, QObject *parent);

    // Every pair brought to its level (for the eyes the readability check
    // covers), proposed before anything changes: fixAllProposed with what it
    // makes of the scheme as it is now; where it would change no colour, the
    // status bar says so instead (and which pairs cannot be met) and
    // nothingToFix follows. fixAllAgain() does the same for a proposal that
    // follows a change of the scheme rather than the command.
    void fixAll();
    void fixAllAgain();
    // A proposal made for the scheme and the eyes as they are now becomes one
    // change of the history, and the status bar says what it did; one made
    // for anything else is never applied but proposed anew.
    void applyFixAll(const FixAllProposal &proposal);

    // What Fix all does, in words: "Fix all: 5 colours, slight change (0.12)",
    // once applied "Fix all: 5 colours changed, …"; the summed OKLab distance
    // in brackets, the word for it by the mean distance of the colours changed.
    static QString fixAllWords(const ReadableFix::FixAll &fixed, bool applied, Language language);
    // The pairs it cannot bring to their level, in words, or nothing.
    static QString unmetWords(const ReadableFix::FixAll &fixed, Language language);

    // The context menus' items, a separator first.
    QList<QAction *> actions() const;
    // The keys work wherever the focus is in the window.
    void addShortcutsTo(QWidget *window);
    // The items are offered once the user has agreed to the disclaimer; those
    // of commands that wait under a panel, only while no panel covers the editor.
    void offer(bool agreed);
    void setEditorCovered(bool covered);

signals:
    void fixAllProposed(const FixAllProposal &proposal, bool again);
    void nothingToFix();
    void historyRequested();
    void largePreviewRequested();
    void deriveFromColourRequested();
    void deriveFromPictureRequested();
    void message(const QString &text);

protected:
    bool event(QEvent *event) override;

private:
    void run(WholeSchemeCommands::Id id);
    void propose(bool again);
    void retranslate();
    void showOffers();

    SchemeModel &m_scheme;
    const ReadabilityModel &m_readability;
    QAction *m_separator;
    // One per row of the table, nullptr where the row has no item.
    std::array<QAction *, WholeSchemeCommands::kCount> m_rows{};
    QAction *m_history;
    QAction *m_largePreview;
    bool m_agreed = true;
    bool m_covered = false;
};
