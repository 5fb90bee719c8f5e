#include "MenuPictures.h"

#include "Flags.h"

#include <QIconEngine>
#include <QPainter>

#include <functional>
#include <optional>
#include <QPainterPath>

namespace {

const QSize kIconSize(16, 16);
const QSize kFlagSize(16, 11);

QPixmap swatch(const QColor &colour)
{
    QPixmap pixmap(kFlagSize);
    pixmap.fill(colour);
    return pixmap;
}

void arrow(QPainter &p, bool redo)
{
    // A half circle turning back, with a head at its start.
    if (redo) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath bow;
    bow.moveTo(4, 6);
    bow.cubicTo(8, 2, 15, 4, 13, 10);
    bow.cubicTo(12, 13, 9, 14, 7, 14);
    p.setPen(QPen(QColor(30, 90, 170), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 170));
    p.drawPolygon(QPolygonF({QPointF(1, 7), QPointF(7, 2.5), QPointF(7, 9.5)}));
}

} // namespace

QPixmap MenuPictures::drawnIcon(int index)
{
    QPixmap pixmap(kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 1:
    case 2:
        arrow(p, index == 2);
        break;
    case 3: // floppy disk
        p.setPen(QColor(20, 40, 90));
        p.setBrush(QColor(50, 90, 170));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        break;
    case 4: // open folder
        p.setPen(QColor(140, 100, 20));
        p.setBrush(QColor(230, 190, 80));
        p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(6, 3.5), QPointF(7.5, 5), QPointF(13.5, 5),
                                 QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
        p.setBrush(QColor(250, 215, 110));
        p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
        break;
    case 5: // new document
        p.setPen(QColor(90, 90, 90));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(3.5, 1.5), QPointF(10, 1.5), QPointF(13.5, 5), QPointF(13.5, 14.5),
                                 QPointF(3.5, 14.5)}));
        p.drawPolyline(QPolygonF({QPointF(10, 1.5), QPointF(10, 5), QPointF(13.5, 5)}));
        break;
    default: { // blue circle with a question mark
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 100, 200));
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        QFont font = p.font();
        font.setPixelSize(12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return pixmap;
}

namespace {

// An icon made only when it is first shown: the menus' pictures are needed when a
// menu opens, not when the bar is built, and finding them in the desktop's theme
// takes a while.
class LazyIconEngine : public QIconEngine
{
public:
    explicit LazyIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QIconEngine *clone() const override { return new LazyIconEngine(*this); }

private:
    const QIcon &icon()
    {
        if (!m_icon)
            m_icon = m_make();
        return *m_icon;
    }

    std::function<QIcon()> m_make;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon MenuPictures::picture(MenuTable::ImageList list, int index)
{
    if (list == MenuTable::ImageList::None)
        return {};
    return QIcon(new LazyIconEngine([list, index] { return makePicture(list, index); }));
}

QIcon MenuPictures::makePicture(MenuTable::ImageList list, int index)
{
    switch (list) {
    case MenuTable::ImageList::None:
        return {};
    case MenuTable::ImageList::Menu: {
        static const char *const kThemeNames[] = {"edit-undo", "edit-redo", "document-save",
                                                  "document-open", "document-new", "help-contents"};
        if (index < 1 || index > 6)
            return {};
        return QIcon::fromTheme(QString::fromLatin1(kThemeNames[index - 1]), QIcon(drawnIcon(index)));
    }
    case MenuTable::ImageList::Flags:
        switch (index) {
        case 1: return Flags::flag(Language::English, kFlagSize);
        case 2: return Flags::flag(Language::German, kFlagSize);
        case 3: return swatch(QColor(247, 27, 79));
        case 4: return swatch(QColor(16, 232, 98));
        case 5: return swatch(QColor(30, 145, 250));
        case 6: return Flags::flag(Language::Spanish, kFlagSize);
        case 7: return Flags::flag(Language::French, kFlagSize);
        case 8: return Flags::flag(Language::Dutch, kFlagSize);
        }
        return {};
    }
    return {};
}
