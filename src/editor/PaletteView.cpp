#include "PaletteView.h"

#include "PalettePicture.h"

#include <QMouseEvent>
#include <QPainter>

PaletteView::PaletteView(QWidget *parent) : QFrame(parent), m_picture(PalettePicture::create())
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void PaletteView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_picture);
    painter.end();
    QFrame::paintEvent(event);
}

void PaletteView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint() - contentsRect().topLeft();
    // Over the border there is no palette colour; the last one stays shown.
    if (m_picture.valid(point)) {
        const QRgb pixel = m_picture.pixel(point);
        emit hovered({quint8(qRed(pixel)), quint8(qGreen(pixel)), quint8(qBlue(pixel))});
    }
}

void PaletteView::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void PaletteView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(event, rect()))
        emit clicked();
}

void PaletteView::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click is no new click.
}
