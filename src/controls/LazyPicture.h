#pragma once

#include "ClickableLabel.h"

#include <QPixmap>

#include <functional>

// A label that shows a drawn picture, drawing it only when it is first painted:
// a picture that lies under another control at start costs nothing until it is
// seen.
class LazyPicture : public ClickableLabel
{
    Q_OBJECT
public:
    using Draw = std::function<QPixmap()>;

    explicit LazyPicture(QWidget *parent = nullptr) : ClickableLabel(parent) {}

    // Replaces the picture; it is drawn at the next paint.
    void setPicture(Draw draw);
    // The picture as shown (drawn now if it has not been yet).
    const QPixmap &picture();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Draw m_draw;
    QPixmap m_picture;
    bool m_drawn = false;
};
