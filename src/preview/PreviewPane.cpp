#include "PreviewPane.h"

#include "ElementCode.h"
#include "ElementNumber.h"

#include <algorithm>

void PreviewPane::setPicture(const QImage &picture)
{
    m_mask = picture.convertToFormat(QImage::Format_BGR888);
    m_picture = m_mask.copy();
    m_shown = QImage(); // it showed the old picture

    // Counting sort of the coded pixels by element.
    std::vector<int> counts(kElementCount + 2, 0);
    const int bytesPerLine = int(m_mask.bytesPerLine());
    for (int y = 0; y < m_mask.height(); ++y) {
        const uchar *row = m_mask.constScanLine(y);
        for (int x = 0; x < m_mask.width(); ++x) {
            if (const auto element = ElementCode::element(row[3 * x + 2], row[3 * x + 1]))
                ++counts[*element + 1];
        }
    }
    m_start.assign(kElementCount + 2, 0);
    for (int n = 1; n <= kElementCount + 1; ++n)
        m_start[n] = m_start[n - 1] + counts[n];
    m_offsets.assign(m_start[kElementCount + 1], 0);
    std::vector<int> next(m_start.begin(), m_start.end() - 1);
    for (int y = 0; y < m_mask.height(); ++y) {
        const uchar *row = m_mask.constScanLine(y);
        for (int x = 0; x < m_mask.width(); ++x) {
            if (const auto element = ElementCode::element(row[3 * x + 2], row[3 * x + 1]))
                m_offsets[next[*element]++] = y * bytesPerLine + 3 * x;
        }
    }
}

void PreviewPane::setShownPicture(const QImage &picture)
{
    m_shown = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_BGR888);
}

int PreviewPane::pixelCount(int element) const
{
    if (!ElementNumber::isValid(element) || m_start.empty())
        return 0;
    return m_start[element + 1] - m_start[element];
}

void PreviewPane::paintElement(int element, const Rgb &colour, const Rgb &shownColour)
{
    if (pixelCount(element) == 0)
        return;
    // The pictures and the mask share size and format, so offsets agree. The
    // colours are copied first: a byte written through the pictures could be
    // theirs, as far as the compiler knows, and would be read again each time.
    const auto first = m_offsets.begin() + m_start[element];
    const auto last = m_offsets.begin() + m_start[element + 1];
    const auto paint = [](uchar *pixel, Rgb c) {
        pixel[0] = c.blue;
        pixel[1] = c.green;
        pixel[2] = c.red;
    };
    uchar *bits = m_picture.bits();
    const Rgb own = colour;
    if (m_shown.isNull()) {
        std::for_each(first, last, [bits, own, paint](int offset) { paint(bits + offset, own); });
        return;
    }
    uchar *shownBits = m_shown.bits();
    const Rgb shown = shownColour;
    std::for_each(first, last, [bits, own, shownBits, shown, paint](int offset) {
        paint(bits + offset, own);
        paint(shownBits + offset, shown);
    });
}

Rgb PreviewPane::colourAt(const QImage &image, QPoint point)
{
    if (!image.valid(point))
        return {255, 255, 255};
    const uchar *pixel = image.constScanLine(point.y()) + 3 * point.x();
    return {pixel[2], pixel[1], pixel[0]};
}

int PreviewPane::elementAt(QPoint point) const
{
    if (!m_mask.valid(point))
        return 0;
    const Rgb code = maskColourAt(point);
    return ElementCode::element(code.red, code.green).value_or(0);
}
