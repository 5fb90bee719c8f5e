#pragma once

#include "SchemeModel.h"
#include "UndoHistory.h"

#include <QObject>

#include <optional>

// The state every editing control works on, and the one place that writes a
// colour for them: the scheme, the current element, the one step of undo
// history and the update guard.
//
// The current element lives here and is announced at every choice; the element
// list shows it, and the editor loads it. Every colour given to an element other
// than by the editor's own boxes and bars comes through giveColour(), pick(),
// undo() or redo(), which record the undo step each kind of change asks for and
// announce how the colour came, so that the editor can show it the way that
// change is shown. The preview follows the scheme's own announcements.
class EditSession : public QObject
{
    Q_OBJECT
public:
    // How a colour came to the current element, for the editor to show it.
    enum class Change {
        PaletteClick, // one step for Undo; the Undo command's offer stays as it is
        Paste,        // the program's commands: one step, and Undo is offered again
        Entered,
        Reset,
        Fix,
        Undo,         // the history's colours, given as if typed
        Redo,
        Pick,         // a click on the preview: the colour the pane showed there
    };
    Q_ENUM(Change)
    // Paste, Enter colour, Reset and Fix: the program's own commands.
    static bool isCommand(Change how)
    {
        return how == Change::Paste || how == Change::Entered || how == Change::Reset || how == Change::Fix;
    }

    explicit EditSession(SchemeModel &scheme, QObject *parent = nullptr);

    // The scheme as the controls read it; they change it only through the
    // session, so that every change keeps its undo step and announcement.
    const SchemeModel &scheme() const { return m_scheme; }
    UndoHistory &history() { return m_history; }
    const UndoHistory &history() const { return m_history; }

    std::optional<int> currentElement() const { return m_current; }
    // The current element's colour, when an element is current.
    std::optional<Rgb> currentColour() const;

    // Makes an element current and announces it, also when it already is:
    // whoever chooses relies on the editor being loaded afresh.
    void choose(int element);
    // No element is current (the list was left without a selection).
    void chooseNone();

    // The current element takes a colour (nothing happens while none is).
    void giveColour(const Rgb &colour, Change how);
    // The element becomes current, then takes the colour.
    void giveColourTo(int element, const Rgb &colour, Change how);
    // A click on the preview picked the element; `shown` is the colour the pane
    // showed there. The editor is loaded under the guard, and the step left to
    // undo is the element's colour before the pick.
    void pick(int element, const Rgb &shown);
    void undo();
    void redo();

    // While the guard is set, the editor is being loaded with the values the
    // table holds (an element chosen, a pick): its channel changes run their
    // cascade and the swatch follows, but they write nothing into the table.
    class Guard
    {
    public:
        explicit Guard(EditSession &session) : m_session(session), m_previous(session.m_guard) { session.m_guard = true; }
        ~Guard() { m_session.m_guard = m_previous; }
        Guard(const Guard &) = delete;
        Guard &operator=(const Guard &) = delete;

    private:
        EditSession &m_session;
        bool m_previous;
    };

    // An element shown or hidden on the phone (its check mark).
    void setVisible(int element, bool visible);

    // Records the current element's colour as the colour before a change.
    void rememberUndo();
    // Writes one channel (0 red, 1 green, 2 blue) of the current element, unless
    // guarded: the editor's own edit, which the editor already shows.
    void writeChannel(int channel, quint8 value);

signals:
    // An element was chosen (0: none is current now).
    void currentElementChanged(int element);
    // The current element took a colour, and how.
    void colourGiven(const Rgb &colour, EditSession::Change how);

private:
    void restore(const Rgb &colour, Change how);

    SchemeModel &m_scheme;
    UndoHistory m_history;
    std::optional<int> m_current;
    bool m_guard = false;
};
