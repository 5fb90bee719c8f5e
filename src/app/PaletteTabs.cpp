#include "PaletteTabs.h"

#include <QApplication>
#include <QProxyStyle>
#include <QTabBar>

namespace {

// The application's style with a narrower margin beside a tab's caption; the
// tab's size and the place of its caption both follow it, so nothing is cut.
class NarrowTabs : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

PaletteTabs::PaletteTabs(QWidget *parent) : QTabWidget(parent)
{
    auto *style = new NarrowTabs(QApplication::style()->name());
    style->setParent(this);
    tabBar()->setStyle(style);
    tabBar()->setExpanding(false);
    tabBar()->setElideMode(Qt::ElideNone);
}
