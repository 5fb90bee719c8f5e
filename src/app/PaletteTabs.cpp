#include "PaletteTabs.h"

PaletteTabs::PaletteTabs(QWidget *parent) : QTabWidget(parent)
{
    auto *bar = new Bar(this);
    bar->setExpanding(false);
    bar->setElideMode(Qt::ElideNone);
    setTabBar(bar);
}

QSize PaletteTabs::Bar::tabSizeHint(int index) const
{
    const QSize usual = QTabBar::tabSizeHint(index);
    const int narrow = fontMetrics().horizontalAdvance(tabText(index)) + 12;
    return {qMin(usual.width(), narrow), usual.height()};
}
