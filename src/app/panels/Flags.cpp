#include "Flags.h"

#include <QPainter>

#include <utility>

namespace {

// Where the second and the third of three bands begin along a side of `length`
// pixels. Bands across are cut from the top down; upright ones from either side,
// so that the outer two are equally wide whatever the length.
std::pair<int, int> bandStarts(const FlagPicture &flag, int length)
{
    const auto &[first, second, third] = flag.shares;
    const int total = first + second + third;
    const int secondStart = length * first / total;
    if (flag.pattern == FlagPicture::Pattern::Upright)
        return {secondStart, length - length * third / total};
    return {secondStart, length * (first + second) / total};
}

void bands(QPainter &p, const QRect &r, const FlagPicture &flag)
{
    const bool across = flag.pattern == FlagPicture::Pattern::Across;
    const int length = across ? r.height() : r.width();
    const auto [second, third] = bandStarts(flag, length);
    const int starts[] = {0, second, third, length};
    for (std::size_t i = 0; i < flag.colours.size(); ++i) {
        const int from = starts[i];
        const int size = starts[i + 1] - from;
        const QRect band = across ? QRect(r.left(), r.top() + from, r.width(), size)
                                  : QRect(r.left() + from, r.top(), size, r.height());
        p.fillRect(band, toQColor(flag.colours[i]));
    }
}

void unionFlag(QPainter &p, const QRect &r, const FlagPicture &flag)
{
    const QColor field = toQColor(flag.colours[0]);
    const QColor white = toQColor(flag.colours[1]);
    const QColor red = toQColor(flag.colours[2]);
    p.fillRect(r, field);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF corners[4] = {r.topLeft(), r.topRight() + QPointF(1, 0), r.bottomRight() + QPointF(1, 1),
                                r.bottomLeft() + QPointF(0, 1)};
    const qreal unit = r.height() / 10.0;
    for (const auto &[from, to] : {std::pair{corners[0], corners[2]}, std::pair{corners[1], corners[3]}}) {
        p.setPen(QPen(white, 2 * unit));
        p.drawLine(from, to);
        p.setPen(QPen(red, 0.8 * unit));
        p.drawLine(from, to);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF across(r.left(), r.center().y() + 0.5 - 1.7 * unit, r.width(), 3.4 * unit);
    const QRectF down(r.center().x() + 0.5 - 1.7 * unit, r.top(), 3.4 * unit, r.height());
    p.fillRect(across, white);
    p.fillRect(down, white);
    p.fillRect(across.adjusted(0, unit, 0, -unit), red);
    p.fillRect(down.adjusted(unit, 0, -unit, 0), red);
}

} // namespace

QPixmap Flags::flag(Language language, QSize size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    const QRect r(QPoint(0, 0), size);
    const FlagPicture &flag = Languages::flag(language);
    if (flag.pattern == FlagPicture::Pattern::Union)
        unionFlag(p, r, flag);
    else
        bands(p, r, flag);
    return pixmap;
}
