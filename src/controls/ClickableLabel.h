#pragma once

#include "LeftClick.h"

#include <QLabel>

// A label that reports the pointer moving over it and left clicks on it: the
// link labels, the logo and the language flags.
//
// A label given a focus policy is a keyboard control as well: while it has the
// focus it shows the style's focus frame, and Space or Return count as a click.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);

signals:
    void pointerMoved();
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    LeftClick m_click;
};
