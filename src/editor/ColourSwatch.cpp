#include "ColourSwatch.h"

#include <QPainter>

ColourSwatch::ColourSwatch(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void ColourSwatch::setColour(const Rgb &colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(contentsRect(), toQColor(m_colour));
    painter.end();
    QFrame::paintEvent(event);
}
