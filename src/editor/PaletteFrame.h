#pragma once

#include "Rgb.h"

#include <QGroupBox>

#include <array>

class ColourSwatch;
class PaletteView;
class QLineEdit;

// The "S55 Farbpalette" frame: the palette picture, a swatch and three read-only
// value boxes. Pointing at the palette shows the colour under the pointer; a
// click chooses the colour last shown. That is the colour under the pointer at
// the last move, or the element's own colour when the pointer has not moved over
// the palette since the element was chosen. The keyboard works the same way: the
// arrow keys move the palette's cursor cell and show its colour, Space or Return
// chooses the colour shown.
class PaletteFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit PaletteFrame(QWidget *parent = nullptr);

    // Shows a colour in the swatch and its values in the boxes.
    void showColour(const Rgb &colour);
    // Shows a colour in the swatch only; the boxes keep their values (undo and
    // redo).
    void showSwatch(const Rgb &colour);

signals:
    void colourChosen(const Rgb &colour);

private:
    PaletteView *m_picS55Palette = nullptr;
    ColourSwatch *m_picColor2 = nullptr;
    std::array<QLineEdit *, 3> m_txtS55PaletteRGB{};
};
