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

    ColourSwatch *swatch() const { return m_picColor2; }
    // Shows a colour in the swatch and its values in the boxes.
    void showColour(const Rgb &colour);
    void showTexts(const QString &red, const QString &green, const QString &blue);

private:
    void give();

    EditSession &m_session;
    PaletteView *m_picS55Palette = nullptr;
    ColourSwatch *m_picColor2 = nullptr;
    std::array<QLineEdit *, 3> m_txtS55PaletteRGB{};
};
