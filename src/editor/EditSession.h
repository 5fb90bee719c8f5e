#pragma once

#include "SchemeModel.h"
#include "UndoHistory.h"

#include <functional>
#include <optional>

// The state every editing control works on: the scheme, the one step of undo
// history and the update guard. The current element is not stored here: it is
// whatever the element list has selected, asked for through the function the
// window provides. The preview follows the scheme's own announcements.
class EditSession
{
public:
    explicit EditSession(SchemeModel &scheme) : m_scheme(scheme) {}

    SchemeModel &scheme() { return m_scheme; }
    const SchemeModel &scheme() const { return m_scheme; }
    UndoHistory &history() { return m_history; }
    const UndoHistory &history() const { return m_history; }

    void setCurrentElementSource(std::function<std::optional<int>()> source) { m_currentElement = std::move(source); }
    std::optional<int> currentElement() const { return m_currentElement ? m_currentElement() : std::nullopt; }
    // The current element's colour, when an element is current.
    std::optional<Rgb> currentColour() const;

    // While the guard is set, the editor is being loaded with the values the
    // table holds (an element chosen, a pick): its channel changes run their
    // cascade and the swatch follows, but they write nothing into the table.
    bool isGuarded() const { return m_guard; }
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

    // Records the current element's colour as the colour before a change.
    void rememberUndo();
    // Writes one channel (0 red, 1 green, 2 blue) of the current element, unless
    // guarded.
    void writeChannel(int channel, quint8 value);

private:
    SchemeModel &m_scheme;
    UndoHistory m_history;
    std::function<std::optional<int>()> m_currentElement;
    bool m_guard = false;
};
