// The banner with its two links, the three panels that take the editor area's
// place (disclaimer, support, links), the language selector and the consent.
#include "MainWindow.h"

#include "Banner.h"
#include "ClickableLabel.h"
#include "Flags.h"
#include "Inet.h"
#include "LazyPicture.h"
#include "LinkControl.h"
#include "LinkStyle.h"
#include "LogoControl.h"
#include "MenuBar.h"
#include "PanelTexts.h"
#include "Place.h"
#include "Settings.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QGroupBox *panel(QWidget *window, const QString &name, const QString &caption)
{
    auto *frame = place<QGroupBox>(window, name, {8, 32, 505, 409}, caption);
    frame->setAutoFillBackground(true); // it covers what lies below it
    return frame;
}

QPlainTextEdit *readOnlyText(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *box = place<QPlainTextEdit>(parent, name, geometry);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

} // namespace

void MainWindow::createBanner()
{
    // Drawn when first seen: with the editor showing, the banner lies under it.
    auto *banner = place<LazyPicture>(this, QStringLiteral("Picture1"), {520, 176, Banner::kWidth, Banner::kHeight});
    banner->setPicture(&Banner::picture);
    Picture1 = banner;
    ctlLink1 = place<LinkControl>(this, QStringLiteral("ctlLink1"), {528, 360, 89, 17});
    quorvix1 = place<LogoControl>(this, QStringLiteral("quorvix1"), {519, 386, 113, 57}, PanelTexts::kMakerWebPage);
}

void MainWindow::createDisclaimerPanel()
{
    frmCopyright = panel(this, QStringLiteral("frmCopyright"), QStringLiteral("Copyright / Disclaimer"));
    txtDisclaimer = readOnlyText(frmCopyright, QStringLiteral("txtDisclaimer"), {16, 24, 473, 225});

    Frame1 = place<QGroupBox>(frmCopyright, QStringLiteral("Frame1"), {16, 256, 305, 81},
                              QStringLiteral("select your language"));
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
        connect(flag, &ClickableLabel::clicked, this, [this, language] { markFlag(language); });
        picLangSelector[std::size_t(i)] = flag;
    }
    lblLangSelector = place<QLabel>(Frame1, QStringLiteral("lblLangSelector"), {16, 56, 273, 17});

    cmdZustimmen = place<QPushButton>(frmCopyright, QStringLiteral("cmdZustimmen"), {344, 264, 145, 29},
                                      QStringLiteral("agree"));
    cmdAblehnen = place<QPushButton>(frmCopyright, QStringLiteral("cmdAblehnen"), {344, 304, 145, 29},
                                     QStringLiteral("disagree"));
    connect(cmdZustimmen, &QPushButton::clicked, this, &MainWindow::agree);
    connect(cmdAblehnen, &QPushButton::clicked, this, &MainWindow::disagree);

    const QStringList rights = PanelTexts::rightsNotice();
    for (int i = 0; i < int(lblCRight.size()); ++i)
        lblCRight[std::size_t(i)] = place<QLabel>(frmCopyright, QStringLiteral("lblCRight%1").arg(i),
                                                  {16, 344 + 18 * i, 473, 17}, rights.value(i));
}

void MainWindow::createSupportPanel()
{
    FrameSupport = panel(this, QStringLiteral("FrameSupport"), QStringLiteral("Support"));
    FrameSupport->hide();
    // The texts run the whole width of the panel: several languages need it.
    const std::array<QRect, 7> places = {{{16, 32, 473, 65},  {16, 104, 473, 17}, {16, 120, 473, 17},
                                          {16, 136, 473, 17}, {16, 152, 473, 33}, {16, 192, 473, 49},
                                          {16, 240, 473, 41}}};
    for (std::size_t i = 0; i < txtSupport.size(); ++i) {
        txtSupport[i] = place<QLabel>(FrameSupport, QStringLiteral("txtSupport%1").arg(i), places[i]);
        txtSupport[i]->setWordWrap(true);
        txtSupport[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_localisedCaptions.push_back(
            {Text(int(Text::Support0) + int(i)), [label = txtSupport[i]](const QString &s) { label->setText(s); }});
    }
    createLinkLabel(FrameSupport, 1, {280, 288, 50, 13}, PanelTexts::kAuthorName, PanelTexts::authorMailLink());
    cmdCloseSupport = place<QPushButton>(FrameSupport, QStringLiteral("cmdCloseSupport"), {368, 360, 121, 33},
                                         QStringLiteral("ok"));
    connect(cmdCloseSupport, &QPushButton::clicked, this, [this] {
        MainElements->show();
        FrameSupport->hide();
    });
}

void MainWindow::createLinksPanel()
{
    frameLinks = panel(this, QStringLiteral("frameLinks"), QStringLiteral("Links"));
    frameLinks->hide();
    auto *maker = place<QLabel>(frameLinks, QStringLiteral("Label5"), {16, 24, 201, 25}, QStringLiteral("Quorvix:"));
    QFont large = maker->font();
    large.setPointSize(12);
    large.setBold(true);
    maker->setFont(large);
    large.setBold(false);
    createLinkLabel(frameLinks, 0, {232, 24, 131, 20}, PanelTexts::kMakerCaption, PanelTexts::kMakerWebPage)
        ->setFont(large);
    place<QLabel>(frameLinks, QStringLiteral("lblLinks2"), {16, 48, 89, 17}, PanelTexts::kForumName);
    createLinkLabel(frameLinks, 3, {104, 48, 114, 13}, PanelTexts::kForumCaption, PanelTexts::kForumAddress);
    place<QLabel>(frameLinks, QStringLiteral("Label7"), {16, 64, 65, 17}, PanelTexts::kSiteName);
    createLinkLabel(frameLinks, 5, {104, 64, 92, 13}, PanelTexts::kSiteCaption, PanelTexts::kSiteAddress);
    txtThanks = readOnlyText(frameLinks, QStringLiteral("txtThanks"), {16, 88, 473, 281});
    cmdCloseLinks = place<QPushButton>(frameLinks, QStringLiteral("cmdCloseLinks"), {384, 376, 105, 25},
                                       QStringLiteral("ok"));
    connect(cmdCloseLinks, &QPushButton::clicked, this, [this] {
        frameLinks->hide();
        MainElements->show();
    });
}

QLabel *MainWindow::createLinkLabel(QWidget *panel, int index, const QRect &geometry, const QString &caption,
                                    const QString &link)
{
    auto *label = place<ClickableLabel>(panel, QStringLiteral("lblLink%1").arg(index), geometry);
    label->setText(caption);
    LinkStyle::apply(label);
    connect(label, &ClickableLabel::pointerMoved, this, [this, index] { hoverLink(index); });
    connect(label, &ClickableLabel::clicked, this, [this, link] { Inet::openLink(link, this); });
    lblLink[std::size_t(index)] = label;
    return label;
}

// --- Panels

void MainWindow::showDisclaimer()
{
    MainElements->hide();
    frmCopyright->show();
}

void MainWindow::showSupport()
{
    MainElements->hide();
    FrameSupport->show();
    frameLinks->hide();
}

void MainWindow::showLinks()
{
    MainElements->hide();
    frameLinks->show();
    FrameSupport->hide();
}

// --- Link labels: underlined from the first move over them until a tick of
// Timer1 finds the pointer off the label.

void MainWindow::hoverLink(int index)
{
    if (m_linkHovered[std::size_t(index)])
        return;
    m_linkHovered[std::size_t(index)] = true;
    LinkStyle::setUnderlined(lblLink[std::size_t(index)], true);
}

void MainWindow::checkLinkHover()
{
    for (std::size_t i = 0; i < lblLink.size(); ++i) {
        if (!m_linkHovered[i] || LinkStyle::isPointerOn(lblLink[i]))
            continue;
        m_linkHovered[i] = false;
        LinkStyle::setUnderlined(lblLink[i], false);
    }
}

// --- Consent and the language selector

void MainWindow::markFlag(Language language)
{
    for (Language other : Languages::kAll) {
        QLabel *flag = picLangSelector[std::size_t(Languages::flagIndex(other))];
        flag->setFrameShape(other == language ? QFrame::Box : QFrame::NoFrame);
        flag->setLineWidth(1);
    }
}

std::optional<Language> MainWindow::markedLanguage() const
{
    for (Language language : Languages::kAll) {
        if (picLangSelector[std::size_t(Languages::flagIndex(language))]->frameShape() == QFrame::Box)
            return language;
    }
    return std::nullopt;
}

// Over the selector's frame but off the flags, the label names the marked flag.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1 && event->type() == QEvent::MouseMove) {
        if (const auto marked = markedLanguage())
            lblLangSelector->setText(Languages::selectorLabel(*marked));
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::agree()
{
    frmCopyright->hide();
    SmartMenuXP1->show();
    MainElements->show();
    Settings::storeConsent(true);
    if (const auto language = markedLanguage())
        applyLanguage(*language);
}

void MainWindow::disagree()
{
    Settings::storeConsent(false);
    close();
}
