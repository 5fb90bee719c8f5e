#include "InfoPanel.h"

#include "ClickableLabel.h"
#include "FocusBorder.h"
#include "LanguageFollower.h"
#include "LinkStyle.h"
#include "OpenLink.h"
#include "Place.h"
#include "Texts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

InfoPanel::InfoPanel(Text title, QWidget *parent) : QGroupBox(parent)
{
    setAutoFillBackground(true); // it covers what lies below it
    addCaption(title, [this](const QString &text) { setTitle(text); });
    new LanguageFollower(this, [this] {
        for (const auto &[text, show] : m_captions)
            show(Texts::get(text, Languages::current()));
    });
}

void InfoPanel::addCaption(Text text, std::function<void(const QString &)> show)
{
    show(Texts::get(text, Languages::current()));
    m_captions.emplace_back(text, std::move(show));
}

QSize InfoPanel::neededSize(const QFont &font, int width, const QString &text)
{
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap, text).size();
}

void InfoPanel::fitHeight(QLabel *label)
{
    label->resize(label->width(), neededSize(label->font(), label->width(), label->text()).height());
}

QPlainTextEdit *InfoPanel::readOnlyText(const QString &name, const QRect &geometry, const QString &text)
{
    auto *box = place<QPlainTextEdit>(this, name, geometry);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setPlainText(text);
    new FocusBorder(box);
    return box;
}

ClickableLabel *InfoPanel::linkLabel(int index, const QRect &geometry, const QString &caption, const QString &link)
{
    auto *label = place<ClickableLabel>(this, QStringLiteral("lblLink%1").arg(index), geometry);
    label->setText(caption);
    LinkStyle::apply(label, kLinkHoverInterval);
    fitHeight(label);
    // Tab reaches the link and Return opens it; a click leaves the focus where it was.
    label->setFocusPolicy(Qt::TabFocus);
    connect(label, &ClickableLabel::clicked, this, [link] { openLink(link); });
    return label;
}

QPushButton *InfoPanel::button(const QString &name, const QRect &geometry, Text caption)
{
    auto *button = place<QPushButton>(this, name, geometry);
    // Return presses the focused button, as it does in a dialog; outside one a
    // button would take only Space.
    button->setAutoDefault(true);
    addCaption(caption, [button](const QString &text) { button->setText(text); });
    return button;
}
