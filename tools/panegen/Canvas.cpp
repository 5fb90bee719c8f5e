#include "Canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

QRgb elementCode(int element, int blue)
{
    return qRgb(element, 254 - element, blue);
}

Ink elementInk(int element, int blue)
{
    return Ink(elementCode(element, blue));
}

Ink elementInk(int element, int evenBlue, int oddBlue)
{
    return Ink(elementCode(element, evenBlue), elementCode(element, oddBlue));
}

bool isElementCode(QRgb colour)
{
    const int red = qRed(colour);
    return red >= 1 && red <= 60 && qGreen(colour) == 254 - red;
}

Bitmap::Bitmap(int width, int height)
    : m_width(width), m_height(height), m_bits(size_t(width) * size_t(height), false)
{
}

Bitmap Bitmap::fromRows(const std::vector<const char *> &rows)
{
    int width = 0;
    for (const char *row : rows)
        width = std::max(width, int(std::strlen(row)));
    Bitmap bits(width, int(rows.size()));
    for (int y = 0; y < bits.height(); ++y)
        for (int x = 0; rows[size_t(y)][x] != '\0'; ++x)
            bits.set(x, y, rows[size_t(y)][x] == '#');
    return bits;
}

bool Bitmap::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    return m_bits[size_t(y) * size_t(m_width) + size_t(x)];
}

void Bitmap::set(int x, int y, bool on)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    m_bits[size_t(y) * size_t(m_width) + size_t(x)] = on;
}

Bitmap Bitmap::scaled(int scale) const
{
    Bitmap out(m_width * scale, m_height * scale);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.set(x, y, at(x / scale, y / scale));
    return out;
}

Bitmap Bitmap::emboldened() const
{
    Bitmap out(m_width + 1, m_height);
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < out.width(); ++x)
            out.set(x, y, at(x, y) || at(x - 1, y));
    return out;
}

Bitmap Bitmap::ring() const
{
    Bitmap out(m_width + 2, m_height + 2);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            if (at(x - 1, y - 1))
                continue;
            bool touches = false;
            for (int dy = -1; dy <= 1 && !touches; ++dy)
                for (int dx = -1; dx <= 1 && !touches; ++dx)
                    touches = at(x - 1 + dx, y - 1 + dy);
            out.set(x, y, touches);
        }
    }
    return out;
}

Bitmap Bitmap::joined(const Bitmap &right, int gap) const
{
    if (m_width == 0)
        return right;
    Bitmap out(m_width + gap + right.width(), std::max(m_height, right.height()));
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < m_width; ++x)
            out.set(x, y, at(x, y));
        for (int x = 0; x < right.width(); ++x)
            out.set(m_width + gap + x, y, right.at(x, y));
    }
    return out;
}

Canvas::Canvas() : m_image(kWidth, kHeight, QImage::Format_RGB32)
{
    m_image.fill(qRgb(0, 0, 0));
    // Fixed resolution, so that the files do not depend on the machine that drew them.
    m_image.setDotsPerMeterX(3780);
    m_image.setDotsPerMeterY(3780);
}

void Canvas::plot(int x, int y, const Ink &ink)
{
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight)
        return;
    m_image.setPixel(x, y, ink.at(x, y));
}

void Canvas::fill(int left, int top, int right, int bottom, const Ink &ink)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            plot(x, y, ink);
}

void Canvas::hline(int left, int right, int y, const Ink &ink)
{
    fill(left, y, right, y, ink);
}

void Canvas::vline(int x, int top, int bottom, const Ink &ink)
{
    fill(x, top, x, bottom, ink);
}

void Canvas::dottedVline(int x, int top, int bottom, const Ink &ink)
{
    for (int y = top; y <= bottom; y += 2)
        plot(x, y, ink);
}

void Canvas::frame(int left, int top, int right, int bottom, const Ink &ink)
{
    hline(left, right, top, ink);
    hline(left, right, bottom, ink);
    vline(left, top + 1, bottom - 1, ink);
    vline(right, top + 1, bottom - 1, ink);
}

void Canvas::roundedFrame(int left, int top, int right, int bottom, const Ink &ink)
{
    hline(left + 2, right - 2, top, ink);
    hline(left + 2, right - 2, bottom, ink);
    vline(left, top + 2, bottom - 2, ink);
    vline(right, top + 2, bottom - 2, ink);
    plot(left + 1, top + 1, ink);
    plot(right - 1, top + 1, ink);
    plot(left + 1, bottom - 1, ink);
    plot(right - 1, bottom - 1, ink);
}

void Canvas::stamp(int x, int y, const Bitmap &bits, const Ink &ink)
{
    for (int row = 0; row < bits.height(); ++row)
        for (int column = 0; column < bits.width(); ++column)
            if (bits.at(column, row))
                plot(x + column, y + row, ink);
}

void Canvas::draw(int x, int y, const Art &art, const Palette &palette, int scale)
{
    for (size_t row = 0; row < art.size(); ++row) {
        for (int column = 0; art[row][column] != '\0'; ++column) {
            const char key = art[row][column];
            if (key == '.')
                continue;
            const auto ink = palette.find(key);
            if (ink == palette.end()) {
                // A typing slip in the artwork; better no picture than a wrong one.
                std::fprintf(stderr, "artwork uses '%c', which its palette lacks\n", key);
                std::exit(3);
            }
            fill(x + column * scale, y + int(row) * scale, x + column * scale + scale - 1,
                 y + int(row) * scale + scale - 1, ink->second);
        }
    }
}
