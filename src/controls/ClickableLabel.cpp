#include "ClickableLabel.h"

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
}

// The move is the label's own: the frame around it must not take it for a move
// over itself.
void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit pointerMoved();
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        emit clicked();
}
