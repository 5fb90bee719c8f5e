#include "DisclaimerPanel.h"

#include "ClickableLabel.h"
#include "Flags.h"
#include "PanelTexts.h"
#include "Place.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

DisclaimerPanel::DisclaimerPanel(QWidget *parent) : InfoPanel(Text::DisclaimerTitle, parent)
{
    txtDisclaimer = readOnlyText(QStringLiteral("txtDisclaimer"), {16, 24, 473, 225}, PanelTexts::disclaimer());

    Frame1 = place<QGroupBox>(this, QStringLiteral("Frame1"), {16, 256, 305, 81});
    addCaption(Text::LanguageSelectorTitle, [this](const QString &text) { Frame1->setTitle(text); });
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    for (Language language : Languages::kAll) {
        const int i = Languages::flagIndex(language);
        auto *flag = place<ClickableLabel>(Frame1, QStringLiteral("picLangSelector%1").arg(i),
                                           {16 + 56 * i, 20, 42, 30});
        flag->setPixmap(Flags::flag(language, {36, 24}));
        flag->setAlignment(Qt::AlignCenter);
        connect(flag, &ClickableLabel::pointerMoved, this,
                [this, language] { lblLangSelector->setText(Languages::selectorLabel(language)); });
        connect(flag, &ClickableLabel::clicked, this, [this, language] { markLanguage(language); });
        picLangSelector[std::size_t(i)] = flag;
    }
    lblLangSelector = place<QLabel>(Frame1, QStringLiteral("lblLangSelector"), {16, 56, 273, 17});
    markLanguage(m_marked);

    cmdZustimmen = button(QStringLiteral("cmdZustimmen"), {344, 264, 145, 29}, Text::Agree);
    cmdAblehnen = button(QStringLiteral("cmdAblehnen"), {344, 304, 145, 29}, Text::Disagree);
    connect(cmdZustimmen, &QPushButton::clicked, this, [this] { emit agreed(m_marked); });
    connect(cmdAblehnen, &QPushButton::clicked, this, &DisclaimerPanel::declined);

    const QStringList rights = PanelTexts::rightsNotice();
    for (int i = 0; i < int(lblCRight.size()); ++i)
        lblCRight[std::size_t(i)] = place<QLabel>(this, QStringLiteral("lblCRight%1").arg(i),
                                                  {16, 344 + 18 * i, 473, 17}, rights.value(i));
}

void DisclaimerPanel::markLanguage(Language language)
{
    m_marked = language;
    for (Language other : Languages::kAll) {
        QLabel *flag = picLangSelector[std::size_t(Languages::flagIndex(other))];
        flag->setFrameShape(other == language ? QFrame::Box : QFrame::NoFrame);
        flag->setLineWidth(1);
    }
}

bool DisclaimerPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1 && event->type() == QEvent::MouseMove)
        lblLangSelector->setText(Languages::selectorLabel(m_marked));
    return InfoPanel::eventFilter(watched, event);
}
