#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>

// Creates a control with its object name at its place in its parent.
template <typename Widget, typename... Args>
Widget *place(QWidget *parent, const QString &name, const QRect &geometry, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}
