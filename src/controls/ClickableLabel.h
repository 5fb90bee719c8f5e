#pragma once

#include "LeftClick.h"

#include <QLabel>

// A label that reports the pointer moving over it and left clicks on it: the
// link labels, the logo and the language flags.
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

private:
    LeftClick m_click;
};
