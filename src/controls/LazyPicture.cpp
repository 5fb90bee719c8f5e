#include "LazyPicture.h"

#include <QPainter>

void LazyPicture::setPicture(Draw draw)
{
    m_draw = std::move(draw);
    m_drawn = false;
    update();
}

const QPixmap &LazyPicture::picture()
{
    if (!m_drawn) {
        m_picture = m_draw ? m_draw() : QPixmap();
        m_drawn = true;
    }
    return m_picture;
}

void LazyPicture::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, picture());
}
