#include "HandCursor.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

namespace {

// The hand, finger tip at (8, 3): a raised index finger, three folded fingers
// and a thumb on the left.
QPainterPath hand()
{
    QPainterPath path;
    path.moveTo(6, 5);
    path.quadTo(8, 1, 10, 5);         // finger tip
    path.lineTo(10, 13);
    path.quadTo(12, 11, 14, 13);      // middle finger
    path.quadTo(16, 11, 18, 14);      // ring finger
    path.quadTo(20, 12, 22, 15);      // little finger
    path.lineTo(22, 22);
    path.quadTo(21, 27, 17, 28);
    path.lineTo(10, 28);
    path.quadTo(7, 26, 5, 22);
    path.lineTo(1, 16);
    path.quadTo(2, 13, 6, 16);        // thumb
    path.closeSubpath();
    return path;
}

void draw(QPaintDevice &device, const QColor &fill, const QColor &outline)
{
    QPainter p(&device);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(outline, 1));
    p.setBrush(fill);
    p.drawPath(hand());
    p.drawLine(QPointF(14, 13), QPointF(14, 18)); // the folded fingers
    p.drawLine(QPointF(18, 14), QPointF(18, 18));
}

} // namespace

QImage HandCursor::picture()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    draw(image, Qt::white, Qt::black);
    return image;
}

QCursor HandCursor::cursor()
{
    // Bits set in the bitmap are black, in the mask opaque: black outline, white
    // inside, clear around.
    QBitmap bits(kSize, kSize);
    bits.fill(Qt::color0);
    draw(bits, Qt::color0, Qt::color1);
    QBitmap mask(kSize, kSize);
    mask.fill(Qt::color0);
    draw(mask, Qt::color1, Qt::color1);
    return QCursor(bits, mask, kHotSpot.x(), kHotSpot.y());
}
