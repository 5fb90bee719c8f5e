#include "HoverWatch.h"

#include <QCoreApplication>
#include <QCursor>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>

HoverWatch &HoverWatch::instance()
{
    // Owned by the application object, so that its timer goes before the toolkit.
    static QPointer<HoverWatch> watch;
    if (!watch)
        watch = new HoverWatch(QCoreApplication::instance());
    return *watch;
}

HoverWatch::HoverWatch(QObject *parent) : QObject(parent)
{
    tmrHover = new QTimer(this);
    tmrHover->setObjectName(QStringLiteral("tmrHover"));
    // Set for one look at a time: a precise timer does not fire before it, so
    // the widget it was set for is due when it does.
    tmrHover->setSingleShot(true);
    tmrHover->setTimerType(Qt::PreciseTimer);
    connect(tmrHover, &QTimer::timeout, this, &HoverWatch::tick);
}

namespace {

auto isFor(const QObject *widget)
{
    return [widget](const auto &watched) { return watched.key == widget; };
}

} // namespace

void HoverWatch::watch(QWidget *widget, int interval, std::function<void()> onLeft)
{
    Watched watched{widget, widget, interval, std::move(onLeft), QDeadlineTimer(interval, Qt::PreciseTimer)};
    if (const auto known = std::find_if(m_watched.begin(), m_watched.end(), isFor(widget)); known != m_watched.end())
        *known = std::move(watched);
    else
        m_watched.push_back(std::move(watched));
    connect(widget, &QObject::destroyed, this, &HoverWatch::forget, Qt::UniqueConnection);
    adjustTimer();
}

void HoverWatch::forget(const QObject *widget)
{
    if (const auto known = std::find_if(m_watched.begin(), m_watched.end(), isFor(widget)); known != m_watched.end()) {
        m_watched.erase(known);
        adjustTimer();
    }
}

bool HoverWatch::isWatching(const QWidget *widget) const
{
    return std::any_of(m_watched.begin(), m_watched.end(), isFor(widget));
}

void HoverWatch::check()
{
    look(false);
}

void HoverWatch::tick()
{
    look(true);
}

void HoverWatch::look(bool onlyDue)
{
    // What a widget is told may start or end other watches: decide first, then tell.
    std::vector<Watched> left;
    for (auto it = m_watched.begin(); it != m_watched.end();) {
        if (onlyDue && !it->due.hasExpired()) {
            ++it;
        } else if (it->widget && isPointerOn(it->widget)) {
            it->due.setRemainingTime(it->interval, Qt::PreciseTimer);
            ++it;
        } else {
            if (it->widget)
                left.push_back(std::move(*it));
            it = m_watched.erase(it);
        }
    }
    adjustTimer();
    for (const Watched &watched : left)
        watched.onLeft();
}

void HoverWatch::adjustTimer()
{
    if (m_watched.empty()) {
        tmrHover->stop();
        return;
    }
    const auto soonest = std::min_element(m_watched.begin(), m_watched.end(),
                                          [](const Watched &a, const Watched &b) { return a.due < b.due; });
    // Whole milliseconds, rounded up: the timer fires when the look is due, not
    // a fraction of a millisecond before (which would find nothing due and wake
    // once more for nothing).
    tmrHover->start(std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::nanoseconds(soonest->due.remainingTimeNSecs()) + std::chrono::nanoseconds(999'999)));
}

bool HoverWatch::isPointerOn(const QWidget *widget)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    const QPoint pointer = QCursor::pos();
    // Right and bottom are the left and top plus the size: the edges count.
    return pointer.x() >= origin.x() && pointer.x() <= origin.x() + widget->width() && pointer.y() >= origin.y()
           && pointer.y() <= origin.y() + widget->height();
}
