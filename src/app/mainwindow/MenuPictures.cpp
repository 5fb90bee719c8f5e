#include "MenuPictures.h"

#include "Flags.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <optional>

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

// The drawn icon for a picture of the menu's own.
QPixmap drawnIcon(MenuTable::Picture picture)
{
    using Picture = MenuTable::Picture;
    QPixmap pixmap(kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case Picture::Undo:
    case Picture::Redo:
        arrow(p, picture == Picture::Redo);
        break;
    case Picture::Save: // floppy disk
        p.setPen(QColor(20, 40, 90));
        p.setBrush(QColor(50, 90, 170));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4.5, 9.5, 7, 5));
        break;
    case Picture::Open: // open folder
        p.setPen(QColor(140, 100, 20));
        p.setBrush(QColor(230, 190, 80));
        p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(6, 3.5), QPointF(7.5, 5), QPointF(13.5, 5),
                                 QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
        p.setBrush(QColor(250, 215, 110));
        p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
        break;
    case Picture::New: // new document
        p.setPen(QColor(90, 90, 90));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(3.5, 1.5), QPointF(10, 1.5), QPointF(13.5, 5), QPointF(13.5, 14.5),
                                 QPointF(3.5, 14.5)}));
        p.drawPolyline(QPolygonF({QPointF(10, 1.5), QPointF(10, 5), QPointF(13.5, 5)}));
        break;
    default: { // help: a blue circle with a question mark
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

// The desktop theme's icon, or the drawn one where the theme has none.
QIcon themed(const char *themeName, MenuTable::Picture picture)
{
    return QIcon::fromTheme(QString::fromLatin1(themeName), QIcon(drawnIcon(picture)));
}

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

QIcon MenuPictures::picture(const MenuTable::Item &item)
{
    if (item.picture == MenuTable::Picture::None)
        return {};
    const MenuTable::Picture picture = item.picture;
    const std::optional<Language> language = item.language;
    return QIcon(new LazyIconEngine([picture, language] { return makePicture(picture, language); }));
}

QIcon MenuPictures::makePicture(MenuTable::Picture picture, std::optional<Language> language)
{
    using Picture = MenuTable::Picture;
    switch (picture) {
    case Picture::None:
        return {};
    case Picture::Undo:
        return themed("edit-undo", picture);
    case Picture::Redo:
        return themed("edit-redo", picture);
    case Picture::Save:
        return themed("document-save", picture);
    case Picture::Open:
        return themed("document-open", picture);
    case Picture::New:
        return themed("document-new", picture);
    case Picture::Help:
        return themed("help-contents", picture);
    case Picture::RedScheme:
        return swatch(QColor(247, 27, 79));
    case Picture::GreenScheme:
        return swatch(QColor(16, 232, 98));
    case Picture::BlueScheme:
        return swatch(QColor(30, 145, 250));
    case Picture::Flag:
        return language ? QIcon(Flags::flag(*language, kFlagSize)) : QIcon();
    }
    return {};
}
