#pragma once

#include <array>

// The makers' hidden sequence of clicks on the preview panes. Eight clicks on
// the right panes in the right order complete it; any other click starts it
// again, and so does every tick of its timer, so the clicks must come quickly.
class ClickSequence
{
public:
    static constexpr std::array<int, 8> kPanes = {1, 3, 3, 1, 0, 5, 2, 4};

    void advance(int pane)
    {
        const bool next = m_state < int(kPanes.size()) && kPanes[std::size_t(m_state)] == pane;
        m_state = next ? m_state + 1 : 0;
    }
    void reset() { m_state = 0; }

    int state() const { return m_state; }
    bool isComplete() const { return m_state == int(kPanes.size()); }

private:
    int m_state = 0;
};
