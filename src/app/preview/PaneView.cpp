#include "PaneView.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

PaneView::PaneView(const PreviewPanes &panes, int index, QWidget *parent)
    : QWidget(parent), m_panes(panes), m_index(index)
{
    setObjectName(QStringLiteral("PicturePreview%1").arg(index));
    setFixedSize(PreviewPanes::kWidth, PreviewPanes::kHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click gives the pane the focus, so that the colour keys (Ctrl+C, Ctrl+V)
    // and the menu key act from it; the frame around shows it (PreviewFrame).
    // The first pane is also the preview's one stop for Tab.
    setFocusPolicy(index == 0 ? Qt::StrongFocus : Qt::ClickFocus);
}

void PaneView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (parentWidget())
        parentWidget()->update(geometry().adjusted(-3, -3, 3, 3));
}

void PaneView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (parentWidget())
        parentWidget()->update(geometry().adjusted(-3, -3, 3, 3));
}

bool PaneView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QString text = m_toolTip ? m_toolTip(help->pos()) : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this, QRect(help->pos(), QSize(1, 1))); // gone once the pointer moves on
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        const auto *menu = static_cast<QContextMenuEvent *>(event);
        if (menu->reason() == QContextMenuEvent::Mouse)
            emit rightClicked(menu->pos());
    }
    return QWidget::event(event);
}

void PaneView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage &picture = m_panes.shownPicture(m_index);
    // A loaded picture of another size keeps its own size, clipped to the pane.
    if (picture.size() != size())
        painter.fillRect(rect(), palette().window());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(QPoint(0, 0), picture.size()), picture);
}

void PaneView::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(event->position().toPoint());
}

void PaneView::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void PaneView::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_click.release(event, rect()))
        return;
    const QPoint position = event->position().toPoint();
    emit pointerMoved(position);
    emit clicked(position);
}

void PaneView::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click is no new click.
}
