#pragma once

#include "Rgb.h"

#include <QImage>
#include <QPoint>

#include <vector>

// One preview screen: the picture shown to the user and, behind it, its mask,
// which says for every pixel which element's colour it shows.
//
// Both are kept as QImage::Format_BGR888, whose memory is laid out like a
// device-independent bitmap (blue, green, red; rows padded to 4 bytes). When a
// mask is set, the pane indexes it once: per element, the byte offsets of the
// element's coded pixels. Painting an element then writes only those pixels,
// with exactly the result of testing every pixel of the mask.
class PreviewPane
{
public:
    PreviewPane() = default;
    // The pane starts as a copy of its mask: element pixels show their code
    // colours until they are painted, fixed pixels show the mask's own colours.
    explicit PreviewPane(const QImage &picture) { setPicture(picture); }

    void setPicture(const QImage &picture);
    // A second picture of the pane, in other colours (the pane as a view draws
    // it): while it is set, every paint paints its pixels too, in the colour
    // given for it, in the same pass. A null picture removes it.
    void setShownPicture(const QImage &picture);

    const QImage &picture() const { return m_picture; }
    const QImage &mask() const { return m_mask; }
    // The second picture if one is set, otherwise the picture.
    const QImage &shownPicture() const { return m_shown.isNull() ? m_picture : m_shown; }
    QSize size() const { return m_picture.size(); }

    // Recolours every pixel coded for the element; other pixels stay as they are.
    // Numbers that name no element have no pixels.
    void paintElement(int element, const Rgb &colour) { paintElement(element, colour, colour); }
    void paintElement(int element, const Rgb &colour, const Rgb &shownColour);
    int pixelCount(int element) const;

    // Colours at a point in the pane's own pixels; a point outside reads as white.
    Rgb pictureColourAt(QPoint point) const { return colourAt(m_picture, point); }
    Rgb maskColourAt(QPoint point) const { return colourAt(m_mask, point); }
    // The element a mask pixel is coded for; 0 for a fixed pixel or a point outside.
    int elementAt(QPoint point) const;

private:
    static Rgb colourAt(const QImage &image, QPoint point);

    QImage m_picture;
    QImage m_shown;
    QImage m_mask;
    // Offsets of element n's pixels are m_offsets[m_start[n]] .. m_offsets[m_start[n + 1] - 1].
    std::vector<int> m_offsets;
    std::vector<int> m_start;
};
