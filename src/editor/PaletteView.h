#pragma once

#include "LeftClick.h"
#include "Rgb.h"

#include <QFrame>
#include <QImage>

// The S55 palette picture in a thin sunken border. Reports the colour under the
// pointer on every move and a click anywhere on it.
class PaletteView : public QFrame
{
    Q_OBJECT
public:
    explicit PaletteView(QWidget *parent = nullptr);

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

private:
    QImage m_picture;
    LeftClick m_click;
};
