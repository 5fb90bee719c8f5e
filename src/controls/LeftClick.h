#pragma once

#include <QMouseEvent>

// Tells a left click, pressed and released over the same widget, from other mouse
// traffic. A widget feeds it its press and release events and ignores double
// clicks, so that the second press of a double click starts no new click.
class LeftClick
{
public:
    void press(const QMouseEvent *event) { m_pressed = event->button() == Qt::LeftButton; }

    // True when the release completes a click inside the area.
    bool release(const QMouseEvent *event, const QRect &area)
    {
        if (event->button() != Qt::LeftButton)
            return false;
        const bool click = m_pressed && area.contains(event->position().toPoint());
        m_pressed = false;
        return click;
    }

private:
    bool m_pressed = false;
};
