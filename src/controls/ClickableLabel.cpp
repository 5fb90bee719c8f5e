#include "ClickableLabel.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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

// A held key counts once, as a held mouse button does.
void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (plain) {
            if (!event->isAutoRepeat())
                emit clicked();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
