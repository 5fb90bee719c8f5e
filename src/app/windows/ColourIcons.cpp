#include "ColourIcons.h"

#include <QIconEngine>
#include <QPainter>

#include <functional>

namespace {

class PaintedIcon : public QIconEngine
{
public:
    using Paint = std::function<void(QPainter &, const QRect &)>;
    explicit PaintedIcon(Paint paint) : m_paint(std::move(paint)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        m_paint(*painter, rect);
        painter->restore();
    }
    QIconEngine *clone() const override { return new PaintedIcon(*this); }

private:
    Paint m_paint;
};

} // namespace

QIcon ColourIcons::textSample(const QColor &text, const QColor &background)
{
    return QIcon(new PaintedIcon([text, background](QPainter &painter, const QRect &rect) {
        painter.fillRect(rect, background);
        painter.setPen(text);
        painter.drawText(rect, Qt::AlignCenter, QStringLiteral("Ab"));
    }));
}

// A thin grey frame keeps a swatch apart from a row of its own colour.
QIcon ColourIcons::beforeAndAfter(const QColor &before, const QColor &after)
{
    return QIcon(new PaintedIcon([before, after](QPainter &painter, const QRect &rect) {
        const int half = rect.width() / 2;
        const QRect left(rect.left(), rect.top(), half - 1, rect.height());
        const QRect right(rect.left() + half + 1, rect.top(), rect.width() - half - 1, rect.height());
        for (const auto &[swatch, colour] : {std::pair(left, before), std::pair(right, after)}) {
            painter.fillRect(swatch, colour);
            painter.setPen(Qt::gray);
            painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        }
    }));
}
