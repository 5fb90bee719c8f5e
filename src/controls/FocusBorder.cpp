#include "FocusBorder.h"

#include <QEvent>

FocusBorder::FocusBorder(QFrame *box) : QObject(box)
{
    box->installEventFilter(this);
}

bool FocusBorder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        auto *box = static_cast<QFrame *>(watched);
        const bool focused = event->type() == QEvent::FocusIn;
        const int width = box->frameWidth();
        box->setFrameStyle(focused ? QFrame::Box | QFrame::Plain : QFrame::StyledPanel | QFrame::Sunken);
        box->setLineWidth(width);
        box->setForegroundRole(focused ? QPalette::Highlight : QPalette::NoRole);
    }
    return false;
}
