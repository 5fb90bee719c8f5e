#pragma once

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
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
};
