#include "StatusBar.h"

#include "ClickableLabel.h"
#include "ElementCatalogue.h"
#include "LanguageFollower.h"
#include "Place.h"
#include "ReadabilityModel.h"
#include "Texts.h"

#include <QLabel>
#include <QTime>
#include <QTimer>

namespace {

template <typename Label = QLabel>
Label *panel(QWidget *bar, const QString &name, const QRect &geometry)
{
    auto *label = place<Label>(bar, name, geometry);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setIndent(3);
    label->setTextFormat(Qt::PlainText); // it names files, which may look like markup
    return label;
}

} // namespace

StatusBar::StatusBar(QWidget *parent) : QFrame(parent)
{
    StatusBar1Panel1 = panel(this, QStringLiteral("StatusBar1Panel1"), {2, 3, 430, 20});
    StatusBar1Panel3 = panel<ClickableLabel>(this, QStringLiteral("StatusBar1Panel3"), {436, 3, 122, 20});
    StatusBar1Panel2 = panel(this, QStringLiteral("StatusBar1Panel2"), {562, 3, 70, 20});
    // Between the messages and the count, taking its room from the messages.
    StatusBar1Panel4 = panel(this, QStringLiteral("StatusBar1Panel4"), {436, 3, 0, 20});
    StatusBar1Panel4->hide();
    StatusBar1Panel3->setCursor(Qt::PointingHandCursor);
    // A click, or Space or Return once Tab has reached it, opens the readability window.
    StatusBar1Panel3->setFocusPolicy(Qt::TabFocus);
    connect(StatusBar1Panel3, &ClickableLabel::clicked, this, &StatusBar::readabilityClicked);
    StatusBar1Panel2->setAlignment(Qt::AlignCenter);
    // The clock wakes once a minute, when its text changes. A look that comes
    // early (the system's clock was set) only sets the next one.
    tmrClock = new QTimer(this);
    tmrClock->setObjectName(QStringLiteral("tmrClock"));
    tmrClock->setSingleShot(true);
    tmrClock->setTimerType(Qt::PreciseTimer);
    connect(tmrClock, &QTimer::timeout, this, &StatusBar::showTime);
    showTime();

    tmrMessage = new QTimer(this);
    tmrMessage->setObjectName(QStringLiteral("tmrMessage"));
    tmrMessage->setSingleShot(true);
    tmrMessage->setInterval(kMessageTime);
    connect(tmrMessage, &QTimer::timeout, this, &StatusBar::showFirstPanel);
    new LanguageFollower(this, [this] {
        showReadability();
        showUnkept();
    });
}

void StatusBar::showTime()
{
    const QTime now = QTime::currentTime();
    StatusBar1Panel2->setText(now.toString(QStringLiteral("HH:mm")));
    tmrClock->start(60'000 - now.msecsSinceStartOfDay() % 60'000);
}

void StatusBar::showMessage(const QString &text)
{
    m_message = text;
    if (text.isEmpty())
        tmrMessage->stop();
    else
        tmrMessage->start();
    showFirstPanel();
}

void StatusBar::showLastingMessage(const QString &text)
{
    m_lasting = text;
    showMessage({});
}

void StatusBar::showTip(const QString &tip)
{
    m_tip = tip;
    showFirstPanel();
}

void StatusBar::showSettingsNotKept(const QString &store, const Problem &why)
{
    m_unkept.emplace(store, why);
    showUnkept();
    showMessage(StatusBar1Panel4->toolTip());
}

// The message panel gives up the room the few words need, in any language.
void StatusBar::showUnkept()
{
    if (!m_unkept)
        return;
    const Language language = Languages::current();
    const QString whole = Texts::get(Text::SettingsNotKept, language)
                              .arg(m_unkept->first + QStringLiteral(": ") + m_unkept->second.words(language));
    StatusBar1Panel4->setText(Texts::get(Text::SettingsNotKeptShort, language));
    StatusBar1Panel4->setToolTip(whole);
    StatusBar1Panel4->setAccessibleDescription(whole);
    const QRect message = StatusBar1Panel1->geometry();
    const int width = StatusBar1Panel4->sizeHint().width();
    const int right = StatusBar1Panel3->geometry().left() - 4;
    StatusBar1Panel4->setGeometry(right - width, message.top(), width, message.height());
    StatusBar1Panel1->setGeometry(message.left(), message.top(), right - width - 4 - message.left(), message.height());
    StatusBar1Panel4->show();
}

void StatusBar::showFirstPanel()
{
    if (!m_tip.isEmpty())
        StatusBar1Panel1->setText(m_tip);
    else if (tmrMessage->isActive())
        StatusBar1Panel1->setText(m_message);
    else
        StatusBar1Panel1->setText(m_lasting);
}

void StatusBar::followReadability(const ReadabilityModel &readability)
{
    m_readability = &readability;
    connect(&readability, &ReadabilityModel::verdictsChanged, this, &StatusBar::showReadability);
    showReadability();
}

void StatusBar::offerReadability(bool offered)
{
    m_readabilityOffered = offered;
    StatusBar1Panel3->setEnabled(offered);
    showReadability();
}

void StatusBar::showReadability()
{
    if (!m_readabilityOffered) {
        StatusBar1Panel3->clear();
        StatusBar1Panel3->setToolTip({});
        return;
    }
    if (!m_readability)
        return;
    const Language language = Languages::current();
    const std::vector<Readability::Verdict> &verdicts = m_readability->verdicts();
    const int below = m_readability->belowLevel();
    if (below == 0)
        StatusBar1Panel3->setText(Texts::get(Text::AllReadable, language));
    else
        StatusBar1Panel3->setText(Texts::get(Text::PairsHardToRead, language).arg(below));

    // Worst first; an unchecked pair is never worst while a checked one is left.
    const Readability::Verdict &worst = verdicts.front();
    if (!worst.checked) {
        StatusBar1Panel3->setToolTip({});
        return;
    }
    StatusBar1Panel3->setToolTip(Texts::get(Text::LowestContrast, language)
                                     .arg(Readability::textName(language, worst.pair, true),
                                          Readability::backgroundName(language, worst.pair, true),
                                          Readability::ratioText(worst.worstRatio()), QString::number(worst.level)));
}
