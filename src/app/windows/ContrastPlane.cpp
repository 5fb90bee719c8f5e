#include "ContrastPlane.h"

#include "ColourScience.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

using namespace ColourScience;

ContrastPlane::ContrastPlane(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("readabilityPlane"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(kWidth + 2, kHeight + 2);
    setCursor(Qt::CrossCursor);
}

QSize ContrastPlane::sizeHint() const
{
    return {kWidth + 2, kHeight + 2};
}

void ContrastPlane::clear()
{
    m_text.reset();
    m_plane = QImage();
    m_colours.clear();
    update();
}

void ContrastPlane::showPair(const ColourScheme &scheme, const Readability::Pair &pair, double level,
                             Readability::Eyes eyes)
{
    // The plane depends on the text's hue, the rest of the scheme, the pair,
    // the level and the eyes alone: the text changes under an open window at
    // every keystroke, and a plane drawn anew costs some 18,000 ratios.
    const Rgb text = scheme.colour(pair.text);
    ColourScheme rest = scheme;
    rest.setColour(pair.text, {});
    const double hue = toOklch(text).h;
    const bool samePlane = m_text && m_scheme.table() == rest.table() && m_pair == pair && m_level == level
                           && m_eyes == eyes && std::abs(m_hue - hue) < 1e-9;
    m_text = text;
    if (!samePlane) {
        m_scheme = rest;
        m_pair = pair;
        m_level = level;
        m_eyes = eyes;
        m_hue = hue;
        m_cursor = pointOf(text);
        draw();
    }
    update();
}

// The plane's pixel for a colour of the hue: its lightness and chroma.
QPoint ContrastPlane::pointOf(const Rgb &colour) const
{
    const Oklch lch = toOklch(colour);
    const int x = std::clamp(int(std::lround(lch.L * (kWidth - 1))), 0, kWidth - 1);
    const int y = std::clamp(int(std::lround((1 - lch.C / kMaximumChroma) * (kHeight - 1))), 0, kHeight - 1);
    return {x, y};
}

// Each pixel's colour as the phone shows it; outside the screen's gamut the
// window's own background. A pixel whose ratio crosses a level from its left
// or lower neighbour carries the line: solid for the pair's level, dotted for
// 7:1, in black or white, whichever stands out there.
void ContrastPlane::draw()
{
    m_plane = QImage(kWidth, kHeight, QImage::Format_RGB32);
    m_plane.fill(palette().color(QPalette::Window));
    m_colours.assign(std::size_t(kWidth * kHeight), std::nullopt);
    std::vector<double> ratios(std::size_t(kWidth * kHeight), 0);
    for (int y = 0; y < kHeight; ++y) {
        const double chroma = (1 - double(y) / (kHeight - 1)) * kMaximumChroma;
        for (int x = 0; x < kWidth; ++x) {
            const Oklab lab = toOklab(Oklch{double(x) / (kWidth - 1), chroma, m_hue});
            if (!isInGamut(lab))
                continue;
            const Rgb shown = phoneColour(toRgb(lab));
            m_colours[std::size_t(y * kWidth + x)] = shown;
            ratios[std::size_t(y * kWidth + x)] = Readability::ratio(m_scheme, m_pair, shown, m_eyes);
            m_plane.setPixel(x, y, qRgb(shown.red, shown.green, shown.blue));
        }
    }
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double here = ratios[std::size_t(y * kWidth + x)];
            if (here == 0)
                continue;
            for (const QPoint step : {QPoint(-1, 0), QPoint(0, 1)}) {
                const QPoint next(x + step.x(), y + step.y());
                if (next.x() < 0 || next.y() >= kHeight)
                    continue;
                const double there = ratios[std::size_t(next.y() * kWidth + next.x())];
                if (there == 0)
                    continue;
                const auto crosses = [&](double level) { return (here >= level) != (there >= level); };
                // Black on the light colours, white on the dark ones.
                if (crosses(m_level) || (crosses(7.0) && (x + y) % 3 != 0)) {
                    const Rgb &shown = *m_colours[std::size_t(y * kWidth + x)];
                    m_plane.setPixel(x, y, relativeLuminance(shown) > 0.18 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
                }
            }
        }
    }
}

std::optional<Rgb> ContrastPlane::colourAt(QPoint point) const
{
    const QPoint at = point - QPoint(1, 1);
    if (!m_text || at.x() < 0 || at.y() < 0 || at.x() >= kWidth || at.y() >= kHeight)
        return std::nullopt;
    return m_colours[std::size_t(at.y() * kWidth + at.x())];
}

void ContrastPlane::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_text)
        return;
    painter.drawImage(1, 1, m_plane);
    // The text's colour ringed, the cursor as a small cross.
    const QPoint here = pointOf(*m_text) + QPoint(1, 1);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawEllipse(here, 4, 4);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(here, 3, 3);
    if (hasFocus()) {
        const QPoint cursor = m_cursor + QPoint(1, 1);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
        painter.drawLine(cursor - QPoint(5, 0), cursor + QPoint(5, 0));
        painter.drawLine(cursor - QPoint(0, 5), cursor + QPoint(0, 5));
    }
}

void ContrastPlane::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (const auto colour = colourAt(event->position().toPoint())) {
        m_cursor = event->position().toPoint() - QPoint(1, 1);
        emit colourTaken(*colour);
    }
}

void ContrastPlane::keyPressEvent(QKeyEvent *event)
{
    if (!m_text)
        return QWidget::keyPressEvent(event);
    const int step = event->modifiers() & Qt::ShiftModifier ? 8 : 1;
    QPoint move;
    switch (event->key()) {
    case Qt::Key_Left: move = {-step, 0}; break;
    case Qt::Key_Right: move = {step, 0}; break;
    case Qt::Key_Up: move = {0, -step}; break;
    case Qt::Key_Down: move = {0, step}; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (const auto colour = colourAt(m_cursor + QPoint(1, 1)))
            emit colourTaken(*colour);
        return;
    default:
        return QWidget::keyPressEvent(event);
    }
    m_cursor.setX(std::clamp(m_cursor.x() + move.x(), 0, kWidth - 1));
    m_cursor.setY(std::clamp(m_cursor.y() + move.y(), 0, kHeight - 1));
    update();
}

void ContrastPlane::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void ContrastPlane::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
