#pragma once

#include "SchemeModel.h"
#include "UndoHistory.h"

#include <functional>
#include <optional>

class PreviewPanes;

// The state every editing control works on: the scheme, the preview it is drawn
// in, the one step of undo history and the update guard. The current element is
// not stored here: it is whatever the element list has selected, asked for
// through the function the window provides.
class EditSession
{
public:
    EditSession(SchemeModel &scheme, PreviewPanes &panes) : m_scheme(scheme), m_panes(panes) {}

    SchemeModel &scheme() { return m_scheme; }
    const SchemeModel &scheme() const { return m_scheme; }
    UndoHistory &history() { return m_history; }
    const UndoHistory &history() const { return m_history; }

    void setCurrentElementSource(std::function<std::optional<int>()> source) { m_currentElement = std::move(source); }
    std::optional<int> currentElement() const { return m_currentElement ? m_currentElement() : std::nullopt; }
    // The current element's colour, when an element is current.
    std::optional<Rgb> currentColour() const;

    // While the guard is set, channel edits update the table and the swatch but
    // leave the preview alone (an element being loaded into the editor already
    // shows its colours there).
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
    // Writes one channel (0 red, 1 green, 2 blue) of the current element and,
    // unless guarded, redraws it. The preview shows the element's colour as the
    // table now holds it: the editor's other channels may be out of date (after
    // a palette click or a loaded scheme), and the preview must show what a save
    // writes.
    void writeChannel(int channel, quint8 value);
    // Writes a whole colour into an element and redraws it, guard or not.
    void setColour(int element, const Rgb &colour);
    // Redraws an element in the colour it has, guard or not.
    void repaint(int element);

private:
    SchemeModel &m_scheme;
    PreviewPanes &m_panes;
    UndoHistory m_history;
    std::function<std::optional<int>()> m_currentElement;
    bool m_guard = false;
};
