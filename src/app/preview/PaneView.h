#pragma once

#include "LeftClick.h"
#include "PreviewPanes.h"

#include <QPoint>
#include <QWidget>

#include <functional>

// Shows one preview pane in the panes' view, pixel for pixel (nearest neighbour
// on high-DPI screens, so the phone's pixels stay crisp), and reports the pointer
// in the pane's own pixel coordinates.
class PaneView : public QWidget
{
    Q_OBJECT
public:
    PaneView(const PreviewPanes &panes, int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    // Where the tooltip for a point of the pane comes from; an empty text shows none.
    void setToolTipSource(std::function<QString(QPoint)> source) { m_toolTip = std::move(source); }

signals:
    void pointerMoved(QPoint position);
    // A left click: pressed and released over the pane. A double click counts once.
    void clicked(QPoint position);
    // A context menu asked for by the mouse, before the menu opens.
    void rightClicked(QPoint position);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    const PreviewPanes &m_panes;
    int m_index;
    LeftClick m_click;
    std::function<QString(QPoint)> m_toolTip;
};
