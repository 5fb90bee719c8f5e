#pragma once

#include "Rgb.h"

#include <QGroupBox>

#include <array>

class ColourSwatch;
class EditSession;
class PaletteView;
class QLineEdit;

// The "S55 Farbpalette" frame: the palette picture, a swatch and three read-only
// value boxes. Pointing at the palette shows the colour under the pointer; a
// click gives the colour last shown to the current element.
class PaletteFrame : public QGroupBox
{
    Q_OBJECT
public:
    explicit PaletteFrame(EditSession &session, QWidget *parent = nullptr);

    // Shows a colour in the swatch and its values in the boxes.
    void showColour(const Rgb &colour);
    // Shows a colour in the swatch only; the boxes keep their values (undo and
    // redo).
    void showSwatch(const Rgb &colour);

signals:
    // A click gave the current element the colour under the pointer.
    void colourGiven();

private:
    void give();

    EditSession &m_session;
    PaletteView *m_picS55Palette = nullptr;
    ColourSwatch *m_picColor2 = nullptr;
    std::array<QLineEdit *, 3> m_txtS55PaletteRGB{};
};
