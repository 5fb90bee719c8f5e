#include "LinkStyle.h"

#include "HandCursor.h"

#include <QCursor>
#include <QLabel>

void LinkStyle::apply(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    label->setCursor(HandCursor::cursor());
    setUnderlined(label, false);
}

void LinkStyle::setUnderlined(QLabel *label, bool underlined)
{
    QFont font = label->font();
    font.setUnderline(underlined);
    label->setFont(font);
}

bool LinkStyle::isPointerOn(const QWidget *widget)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    const QPoint pointer = QCursor::pos();
    // Right and bottom are the left and top plus the size: the edges count.
    return pointer.x() >= origin.x() && pointer.x() <= origin.x() + widget->width() && pointer.y() >= origin.y()
           && pointer.y() <= origin.y() + widget->height();
}
