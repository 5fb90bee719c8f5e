#pragma once

#include <QImage>

#include <map>
#include <vector>

// What a drawing primitive writes at a pixel. A plain colour, or two colours laid
// out as a checkerboard: the large element areas use two blue bytes that way, because
// the program must recolour an element whatever blue its code carries.
struct Ink
{
    QRgb even;
    QRgb odd;

    Ink(QRgb colour) : even(colour), odd(colour) {} // implicit: any colour is an ink
    Ink(QRgb evenColour, QRgb oddColour) : even(evenColour), odd(oddColour) {}
    QRgb at(int x, int y) const { return ((x + y) & 1) ? odd : even; }
};

// The code of element n (1..60): red n, green 254 - n. The blue byte is free.
QRgb elementCode(int element, int blue);
Ink elementInk(int element, int blue);
Ink elementInk(int element, int evenBlue, int oddBlue);

// True for a colour that the program takes for an element code.
bool isElementCode(QRgb colour);

// A one-bit picture, for text and for artwork with a single ink.
class Bitmap
{
public:
    Bitmap(int width, int height);
    // Rows of text; '#' sets a pixel, anything else leaves it clear.
    static Bitmap fromRows(const std::vector<const char *> &rows);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool at(int x, int y) const;
    void set(int x, int y, bool on = true);

    // Each pixel grown to a square of scale x scale pixels.
    Bitmap scaled(int scale) const;
    // The same pixels thickened one pixel to the right, as a bold typeface does.
    Bitmap emboldened() const;
    // The one-pixel ring around the set pixels (8-neighbourhood), one pixel larger on
    // every side: ring(x + 1, y + 1) lies next to the pixel (x, y).
    Bitmap ring() const;
    // Pixels of this bitmap placed side by side with another, gap columns apart.
    Bitmap joined(const Bitmap &right, int gap) const;

private:
    int m_width;
    int m_height;
    std::vector<bool> m_bits;
};

// Multi-coloured artwork: one string per row, one character per pixel; '.' is
// transparent, every other character must be a key of the palette.
using Art = std::vector<const char *>;
using Palette = std::map<char, Ink>;

// The phone's display, 101 x 80 pixels. Coordinates are inclusive and may run off
// the edges; whatever lies outside is clipped.
class Canvas
{
public:
    static constexpr int kWidth = 101;
    static constexpr int kHeight = 80;

    Canvas();

    const QImage &image() const { return m_image; }

    void plot(int x, int y, const Ink &ink);
    void fill(int left, int top, int right, int bottom, const Ink &ink);
    void hline(int left, int right, int y, const Ink &ink);
    void vline(int x, int top, int bottom, const Ink &ink);
    // Every second pixel from top down to bottom.
    void dottedVline(int x, int top, int bottom, const Ink &ink);
    void frame(int left, int top, int right, int bottom, const Ink &ink);
    // A frame whose corners are rounded off: the corner pixel and its two neighbours
    // on the frame are left out and the pixel diagonally inside the corner is drawn.
    void roundedFrame(int left, int top, int right, int bottom, const Ink &ink);
    void stamp(int x, int y, const Bitmap &bits, const Ink &ink);
    // Artwork with every pixel grown to scale x scale.
    void draw(int x, int y, const Art &art, const Palette &palette, int scale = 1);

private:
    QImage m_image;
};
