#include "LinkControl.h"

#include "ClickableLabel.h"
#include "HoverWatch.h"
#include "LinkStyle.h"
#include "OpenLink.h"

#include <QPainter>

namespace {

// A closed envelope of 14 x 11 pixels.
QPixmap envelope()
{
    QPixmap pixmap(14, 11);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(250, 245, 225));
    p.drawRect(0, 1, 13, 9);
    p.drawLine(0, 1, 7, 6);
    p.drawLine(13, 1, 6, 6);
    return pixmap;
}

} // namespace

LinkControl::LinkControl(QWidget *parent) : QWidget(parent)
{
    picBack = new QWidget(this);
    picBack->setObjectName(QStringLiteral("picBack"));
    picBack->setGeometry(0, 0, 305, 89);

    picMailLogo0 = new QLabel(picBack);
    picMailLogo0->setObjectName(QStringLiteral("picMailLogo0"));
    picMailLogo0->setGeometry(0, 0, 14, 11);
    picMailLogo0->setPixmap(envelope());

    Link = new ClickableLabel(picBack);
    Link->setObjectName(QStringLiteral("Link"));
    Link->setGeometry(16, 0, 133, 13);
    Link->setText(QStringLiteral("[bitte anpassen mit .linkTitle]"));
    LinkStyle::apply(Link, kHoverInterval);
    Link->setFocusPolicy(Qt::TabFocus); // Space or Return opens it, as a click does
    connect(Link, &ClickableLabel::clicked, this, [this] { openLink(link()); });
}

// The background fills the control, whatever size the host gives it.
void LinkControl::resizeEvent(QResizeEvent *event)
{
    picBack->setGeometry(rect());
    QWidget::resizeEvent(event);
}

QString LinkControl::convertMailStr(const QString &text)
{
    QString converted;
    converted.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\r')
            converted += QStringLiteral("%0D");
        else if (c == u'\n')
            converted += QStringLiteral("%0A");
        else
            converted += c;
    }
    return converted;
}

void LinkControl::setLinkTitle(const QString &title)
{
    Link->setText(title);
}

void LinkControl::setIsEMailLink(bool mail)
{
    m_mail = mail;
    picMailLogo0->setVisible(mail);
    Link->move(mail ? 16 : 0, Link->y());
}

QString LinkControl::link() const
{
    if (m_mail)
        return QStringLiteral("mailto:") + m_recipient + QStringLiteral("?subject=") + m_subject
               + QStringLiteral("&body=") + m_body;
    return m_webAddress;
}

void LinkControl::checkHover()
{
    HoverWatch::instance().check();
}
