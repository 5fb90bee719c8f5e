#pragma once

#include "ColourScheme.h"
#include "Readability.h"
#include "Rgb.h"

#include <QImage>
#include <QWidget>

#include <optional>

// A picker for one pair: the colours of the text's hue, lightness across (dark
// to the left) and chroma up (grey at the bottom), as the phone shows them,
// with the line where the pair reaches its level drawn on them and a dotted
// line where it reaches 7:1, as browsers' developer tools draw it. Both lines
// go by the ratio the check gives the pair for the eyes it covers
// (Readability::ratio), so that a colour on the readable side of the line is
// one the check finds readable. The text's
// own colour is ringed. A click takes the colour under the pointer; the arrow
// keys move a cursor (Shift: further) and Return or Space takes its colour.
class ContrastPlane : public QWidget
{
    Q_OBJECT
public:
    explicit ContrastPlane(QWidget *parent = nullptr);

    // The pair of the scheme to show, the level it needs and the eyes it must
    // reach it for. No pair: the plane is empty and takes nothing.
    void showPair(const ColourScheme &scheme, const Readability::Pair &pair, double level, Readability::Eyes eyes);
    void clear();

    // The colour the plane shows at a point of the widget (the phone's), if any.
    std::optional<Rgb> colourAt(QPoint point) const;
    QSize sizeHint() const override;

signals:
    void colourTaken(const Rgb &colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void draw();
    QPoint pointOf(const Rgb &colour) const;

    static constexpr int kWidth = 192;
    static constexpr int kHeight = 96;
    static constexpr double kMaximumChroma = 0.32;

    std::optional<Rgb> m_text;
    ColourScheme m_scheme; // with the text's colour left out: what the plane depends on
    Readability::Pair m_pair{};
    double m_level = 0;
    Readability::Eyes m_eyes = Readability::Eyes::Normal;
    double m_hue = 0;
    QImage m_plane;                    // the colours, with their lines
    std::vector<std::optional<Rgb>> m_colours; // per pixel of the plane, where in gamut
    QPoint m_cursor;
};
