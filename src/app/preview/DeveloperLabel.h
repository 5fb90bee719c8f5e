#pragma once

#include "Place.h"

#include <QLabel>

// A bold red label for the makers only: nothing in the program shows it.
inline QLabel *developerLabel(QWidget *parent, int index, const QString &text, const QRect &geometry)
{
    auto *label = place<QLabel>(parent, QStringLiteral("DEVEdition%1").arg(index), geometry, text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->hide();
    return label;
}
