#include "StatusBar.h"

#include "Place.h"

#include <QLabel>
#include <QTime>
#include <QTimer>

namespace {

QLabel *panel(QWidget *bar, const QString &name, const QRect &geometry)
{
    auto *label = place<QLabel>(bar, name, geometry);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setIndent(3);
    label->setTextFormat(Qt::PlainText); // it names files, which may look like markup
    return label;
}

} // namespace

StatusBar::StatusBar(QWidget *parent) : QFrame(parent)
{
    StatusBar1Panel1 = panel(this, QStringLiteral("StatusBar1Panel1"), {2, 3, 556, 20});
    StatusBar1Panel2 = panel(this, QStringLiteral("StatusBar1Panel2"), {562, 3, 70, 20});
    StatusBar1Panel2->setAlignment(Qt::AlignCenter);
    // The clock wakes once a minute, when its text changes. A look that comes
    // early (the system's clock was set) only sets the next one.
    tmrClock = new QTimer(this);
    tmrClock->setObjectName(QStringLiteral("tmrClock"));
    tmrClock->setSingleShot(true);
    tmrClock->setTimerType(Qt::PreciseTimer);
    connect(tmrClock, &QTimer::timeout, this, &StatusBar::showTime);
    showTime();
}

void StatusBar::showTime()
{
    const QTime now = QTime::currentTime();
    StatusBar1Panel2->setText(now.toString(QStringLiteral("HH:mm")));
    tmrClock->start(60'000 - now.msecsSinceStartOfDay() % 60'000);
}

void StatusBar::showMessage(const QString &text)
{
    if (m_covered)
        m_covered = text; // shown once the tip goes
    else
        StatusBar1Panel1->setText(text);
}

void StatusBar::showTip(const QString &tip)
{
    if (!tip.isEmpty()) {
        if (!m_covered)
            m_covered = StatusBar1Panel1->text();
        StatusBar1Panel1->setText(tip);
    } else if (m_covered) {
        StatusBar1Panel1->setText(*m_covered);
        m_covered.reset();
    }
}
