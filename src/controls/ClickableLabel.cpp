#include "ClickableLabel.h"

ClickableLabel::ClickableLabel(QWidget *parent) : QLabel(parent)
{
    setMouseTracking(true);
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved();
    QLabel::mouseMoveEvent(event);
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
