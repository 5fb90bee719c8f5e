#pragma once

#include "Canvas.h"

#include <string_view>

// The typeface of the phone's screens: capitals and digits eight rows high, small
// letters six rows with two rows of descenders below, so a line of text is ten rows.
// Glyphs are four pixels wide for the most part and stand one column apart; the bold
// cut thickens every stroke one pixel to the right.
namespace PixelFont {

constexpr int kLineHeight = 10;

enum class Weight { Normal, Bold };

// The text set in one bitmap, kLineHeight rows high, its top row the top of the
// capitals. Characters the face lacks stop the generator.
Bitmap render(std::string_view text, Weight weight);

// The standby screen's provider name: plain capitals seven rows high, drawn scale
// times their size (at 2 every stroke is two pixels wide).
Bitmap renderDisplay(std::string_view capitals, int scale);

} // namespace PixelFont
