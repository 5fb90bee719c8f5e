#pragma once

// What a label shows, read the way a screen reader reads it: a text taken for
// rich text as the words it draws ("<b>x</b>" as "x"), plain text as it is. A
// name shown as it is reads back unchanged.

#include <QAccessible>
#include <QLabel>

inline QString shownText(QLabel *label)
{
    return label ? QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name) : QString();
}
