#include "Banner.h"

#include <QLinearGradient>
#include <QPainter>

QPixmap Banner::picture()
{
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The body, a rounded slab with a lighter rim.
    QLinearGradient body(0, 0, kWidth, 0);
    body.setColorAt(0, QColor(55, 60, 70));
    body.setColorAt(0.5, QColor(95, 102, 115));
    body.setColorAt(1, QColor(50, 55, 64));
    p.setPen(QPen(QColor(30, 32, 38), 1.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(8.5, 2.5, 88, 172), 22, 18);

    // Earpiece.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 27, 32));
    p.drawRoundedRect(QRectF(40, 10, 25, 4), 2, 2);

    // The display, in the blue of the built-in scheme, with the name on it.
    const QRectF display(20, 22, 65, 56);
    p.setBrush(QColor(20, 22, 28));
    p.drawRoundedRect(display.adjusted(-3, -3, 3, 3), 4, 4);
    QLinearGradient screen(0, display.top(), 0, display.bottom());
    screen.setColorAt(0, QColor(0, 0, 192));
    screen.setColorAt(1, QColor(0, 0, 110));
    p.setBrush(screen);
    p.drawRect(display);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(display.left(), display.top(), display.width(), 9));
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(7);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(display.left() + 2, display.top(), display.width() - 4, 9), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("S55"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(display.adjusted(0, 10, 0, -8), Qt::AlignCenter, QStringLiteral("Vexlume"));
    font.setPixelSize(7);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRectF(display.left(), display.bottom() - 10, display.width(), 9), Qt::AlignCenter,
               QStringLiteral("colour schemes"));

    // Softkeys, the navigation key and three rows of number keys.
    p.setBrush(QColor(200, 205, 215));
    p.setPen(QPen(QColor(35, 38, 45), 1));
    p.drawRoundedRect(QRectF(20, 88, 22, 8), 3, 3);
    p.drawRoundedRect(QRectF(63, 88, 22, 8), 3, 3);
    p.drawEllipse(QRectF(44, 84, 17, 17));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column)
            p.drawRoundedRect(QRectF(22 + 22 * column, 108 + 15 * row, 17, 10), 4, 4);
    }
    return pixmap;
}
