#pragma once

#include "LeftClick.h"
#include "Rgb.h"

#include <QFrame>
#include <QImage>
#include <QPoint>

// The S55 palette picture in a thin sunken border. Reports the colour under the
// pointer on every move and a click anywhere on it.
//
// It is also a keyboard control: Tab reaches it, a rectangle marks its cursor
// cell while it has the focus, the arrow keys move that cell by one (stopping at
// the edges) and report its colour as a pointer move there does, and Space or
// Return stand for a click.
class PaletteView : public QFrame
{
    Q_OBJECT
public:
    explicit PaletteView(QWidget *parent = nullptr);

    // The colour the frame shows now. The cursor cell starts on it when the
    // focus arrives, and follows it while the view has the focus, whenever it is
    // a palette colour.
    void setShownColour(const Rgb &colour);

signals:
    void hovered(const Rgb &colour);
    // A left click: pressed and released over the palette. A double click counts once.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void paintCursor(QPainter &painter) const;

    QImage m_picture;
    LeftClick m_click;
    Rgb m_shown;
    QPoint m_cursor; // column and row of the cursor cell
};
