#include "LinksPanel.h"

#include "ClickableLabel.h"
#include "PanelTexts.h"
#include "Place.h"

#include <QLabel>
#include <QPushButton>

LinksPanel::LinksPanel(QWidget *parent) : InfoPanel(Text::LinksTitle, parent)
{
    Label5 = place<QLabel>(this, QStringLiteral("Label5"), {16, 24, 201, 25}, PanelTexts::kMakerName);
    QFont large = Label5->font();
    large.setPointSize(12);
    large.setBold(true);
    Label5->setFont(large);
    large.setBold(false);
    lblLink0 = linkLabel(0, {232, 24, 131, 20}, PanelTexts::kMakerCaption, PanelTexts::kMakerWebPage);
    lblLink0->setFont(large);
    lblLinks2 = place<QLabel>(this, QStringLiteral("lblLinks2"), {16, 48, 88, 17}, PanelTexts::kForumName);
    lblLink3 = linkLabel(3, {104, 48, 114, 13}, PanelTexts::kForumCaption, PanelTexts::kForumAddress);
    Label7 = place<QLabel>(this, QStringLiteral("Label7"), {16, 64, 65, 17}, PanelTexts::kSiteName);
    lblLink5 = linkLabel(5, {104, 64, 92, 13}, PanelTexts::kSiteCaption, PanelTexts::kSiteAddress);
    txtThanks = readOnlyText(QStringLiteral("txtThanks"), {16, 88, 473, 281}, PanelTexts::thanks());
    cmdCloseLinks = button(QStringLiteral("cmdCloseLinks"), {384, 376, 105, 25}, Text::ClosePanel);
    for (QLabel *label : {Label5, static_cast<QLabel *>(lblLink0), lblLinks2, Label7})
        fitHeight(label);
    connect(cmdCloseLinks, &QPushButton::clicked, this, &LinksPanel::closed);
}
