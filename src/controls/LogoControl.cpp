#include "LogoControl.h"

#include "HandCursor.h"
#include "HoverWatch.h"
#include "LazyPicture.h"
#include "OpenLink.h"

#include <QLinearGradient>
#include <QPainter>

LogoControl::LogoControl(const QString &webAddress, QWidget *parent) : QWidget(parent), m_webAddress(webAddress)
{
    qvx_logo = new LazyPicture(this);
    qvx_logo->setObjectName(QStringLiteral("qvx_logo"));
    qvx_logo->setGeometry(0, 0, kWidth, kHeight);
    qvx_logo->setPicture([] { return picture(Picture::Start); });
    qvx_logo->setCursor(HandCursor::cursor());

    connect(qvx_logo, &ClickableLabel::pointerMoved, this, &LogoControl::hover);
    qvx_logo->setFocusPolicy(Qt::TabFocus); // Space or Return opens the page, as a click does
    connect(qvx_logo, &ClickableLabel::clicked, this, [this] { openLink(m_webAddress); });
}

void LogoControl::setLogoEnabled(bool enabled)
{
    m_enabled = enabled;
    qvx_logo->setEnabled(enabled);
    watchPointer();
}

void LogoControl::hover()
{
    if (m_shown == Picture::Hover)
        return;
    showPicture(Picture::Hover);
    watchPointer();
}

// Lit, and enabled: the hover watch tells when the pointer has left. Otherwise
// nothing watches, and a lit logo stays lit.
void LogoControl::watchPointer()
{
    HoverWatch &watch = HoverWatch::instance();
    if (m_enabled && m_shown == Picture::Hover)
        watch.watch(qvx_logo, kHoverInterval, [this] { showPicture(Picture::Left); });
    else
        watch.forget(qvx_logo);
}

void LogoControl::checkHover()
{
    HoverWatch::instance().check();
}

void LogoControl::showPicture(Picture picture)
{
    m_shown = picture;
    qvx_logo->setPicture([picture] { return LogoControl::picture(picture); });
}

// The maker's name on a plate: dark at rest, lit while the pointer is on it.
// After a visit the plate keeps a thin lit edge.
QPixmap LogoControl::picture(Picture picture)
{
    QPixmap pixmap(kWidth, kHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const bool lit = picture == Picture::Hover;
    QLinearGradient plate(0, 0, 0, kHeight);
    plate.setColorAt(0, lit ? QColor(255, 170, 40) : QColor(40, 60, 110));
    plate.setColorAt(1, lit ? QColor(220, 110, 10) : QColor(15, 25, 60));
    p.fillRect(pixmap.rect(), plate);
    if (picture == Picture::Left) {
        p.setPen(QPen(QColor(255, 170, 40), 1));
        p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    }

    // A ring with a tail, the Q of the name.
    p.setPen(QPen(lit ? QColor(60, 30, 0) : QColor(255, 190, 70), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(20, 24), 11, 11);
    p.drawLine(QPointF(25, 30), QPointF(32, 37));

    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(14);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(font);
    p.setPen(lit ? QColor(40, 20, 0) : Qt::white);
    p.drawText(QRect(36, 10, 68, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("uorvix"));
    font.setPixelSize(8);
    font.setBold(false);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    p.setFont(font);
    p.drawText(QRect(36, 30, 68, 14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("software"));
    return pixmap;
}
