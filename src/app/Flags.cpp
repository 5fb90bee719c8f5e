#include "Flags.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Horizontal stripes from top to bottom, with their relative heights.
void stripes(QPainter &p, const QRect &r, std::initializer_list<std::pair<QColor, int>> bands)
{
    int total = 0;
    for (const auto &band : bands)
        total += band.second;
    int done = 0;
    for (const auto &[colour, share] : bands) {
        const int top = r.top() + r.height() * done / total;
        done += share;
        const int bottom = r.top() + r.height() * done / total;
        p.fillRect(QRect(r.left(), top, r.width(), bottom - top), colour);
    }
}

void unionFlag(QPainter &p, const QRect &r)
{
    p.fillRect(r, QColor(1, 33, 105));
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF corners[4] = {r.topLeft(), r.topRight() + QPointF(1, 0), r.bottomRight() + QPointF(1, 1),
                                r.bottomLeft() + QPointF(0, 1)};
    const qreal unit = r.height() / 10.0;
    for (const auto &[from, to] : {std::pair{corners[0], corners[2]}, std::pair{corners[1], corners[3]}}) {
        p.setPen(QPen(Qt::white, 2 * unit));
        p.drawLine(from, to);
        p.setPen(QPen(QColor(200, 16, 46), 0.8 * unit));
        p.drawLine(from, to);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF across(r.left(), r.center().y() + 0.5 - 1.7 * unit, r.width(), 3.4 * unit);
    const QRectF down(r.center().x() + 0.5 - 1.7 * unit, r.top(), 3.4 * unit, r.height());
    p.fillRect(across, Qt::white);
    p.fillRect(down, Qt::white);
    p.fillRect(across.adjusted(0, unit, 0, -unit), QColor(200, 16, 46));
    p.fillRect(down.adjusted(unit, 0, -unit, 0), QColor(200, 16, 46));
}

} // namespace

QPixmap Flags::flag(Language language, QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    const QRect r(QPoint(0, 0), size);
    switch (language) {
    case Language::German:
        stripes(p, r, {{Qt::black, 1}, {QColor(221, 0, 0), 1}, {QColor(255, 206, 0), 1}});
        break;
    case Language::English:
        unionFlag(p, r);
        break;
    case Language::French: {
        const int third = r.width() / 3;
        p.fillRect(QRect(0, 0, third, r.height()), QColor(0, 35, 149));
        p.fillRect(QRect(third, 0, r.width() - 2 * third, r.height()), Qt::white);
        p.fillRect(QRect(r.width() - third, 0, third, r.height()), QColor(237, 41, 57));
        break;
    }
    case Language::Spanish:
        stripes(p, r, {{QColor(170, 21, 27), 1}, {QColor(241, 191, 0), 2}, {QColor(170, 21, 27), 1}});
        break;
    case Language::Dutch:
        stripes(p, r, {{QColor(174, 28, 40), 1}, {Qt::white, 1}, {QColor(33, 70, 139), 1}});
        break;
    }
    return pixmap;
}
