#include "PaletteView.h"

#include "PalettePicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <optional>

namespace {

// The cell that shows a colour; every palette colour has exactly one.
std::optional<QPoint> cellOf(const Rgb &colour)
{
    for (int row = 0; row < PalettePicture::kCells; ++row) {
        for (int column = 0; column < PalettePicture::kCells; ++column) {
            if (PalettePicture::cellColour(column, row) == colour)
                return QPoint(column, row);
        }
    }
    return std::nullopt;
}

// Black on light cells, white on dark ones.
QColor contrastingWith(const Rgb &colour)
{
    const int luma = 299 * colour.red + 587 * colour.green + 114 * colour.blue;
    return luma > 128'000 ? Qt::black : Qt::white;
}

} // namespace

// Tab reaches the palette, a click does not take the focus: the pointer works it
// as it always has, without a cursor cell turning up under it.
PaletteView::PaletteView(QWidget *parent) : QFrame(parent), m_picture(PalettePicture::create())
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::TabFocus);
}

void PaletteView::setShownColour(const Rgb &colour)
{
    m_shown = colour;
    if (!hasFocus())
        return;
    if (const std::optional<QPoint> cell = cellOf(colour); cell && *cell != m_cursor) {
        m_cursor = *cell;
        update();
    }
}

void PaletteView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_picture);
    painter.end();
    QFrame::paintEvent(event);
    if (hasFocus()) {
        QPainter cursor(this);
        paintCursor(cursor);
    }
}

// Two rings, one on the cell's own edge in black or white, whichever stands out
// from the cell, and one just outside it in the other, which stands out from
// that: the cell keeps its colour in the middle and the mark shows on any
// neighbour.
void PaletteView::paintCursor(QPainter &painter) const
{
    const QRect cell(contentsRect().topLeft() + m_cursor * PalettePicture::kCellSize,
                     QSize(PalettePicture::kCellSize, PalettePicture::kCellSize));
    const QColor inner = contrastingWith(PalettePicture::cellColour(m_cursor.x(), m_cursor.y()));
    const QColor outer = inner == Qt::black ? Qt::white : Qt::black;
    painter.setClipRect(contentsRect());
    painter.setPen(outer);
    painter.drawRect(cell.adjusted(-1, -1, 0, 0));
    painter.setPen(inner);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
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

// Keys with Ctrl, Alt or Shift are left to the window (its shortcuts, Ctrl+Tab
// for the tab strip).
void PaletteView::keyPressEvent(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QFrame::keyPressEvent(event);
        return;
    }
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A held key chooses once, as a held button does. The key takes the
        // marked cell, whatever the readout showed before the cursor moved.
        if (!event->isAutoRepeat()) {
            emit hovered(PalettePicture::cellColour(m_cursor.x(), m_cursor.y()));
            emit clicked();
        }
        return;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    const QPoint next = m_cursor + step;
    const int last = PalettePicture::kCells - 1;
    if (next.x() < 0 || next.y() < 0 || next.x() > last || next.y() > last)
        return; // at the edge the cursor stays
    m_cursor = next;
    update();
    emit hovered(PalettePicture::cellColour(m_cursor.x(), m_cursor.y()));
}

// The cursor starts on the colour shown, or at the top left when that is no
// palette colour (the element's own colour, say). Arriving moves nothing shown.
// Coming back from a menu or another window, the cursor is where it was.
void PaletteView::focusInEvent(QFocusEvent *event)
{
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        m_cursor = cellOf(m_shown).value_or(QPoint(0, 0));
    QFrame::focusInEvent(event);
    update();
}

void PaletteView::focusOutEvent(QFocusEvent *event)
{
    QFrame::focusOutEvent(event);
    update();
}
