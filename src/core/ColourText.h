#pragma once

#include "Rgb.h"

#include <QString>

#include <optional>

// Colours as people write them: what the clipboard and the colour dialog take.
namespace ColourText {

// "#RRGGBB", with capital hex digits.
QString hex(const Rgb &colour);

// A colour written in any common way, blanks (no-break spaces too) and one
// closing semicolon around it ignored: "#RGB", "#RRGGBB", "RRGGBB",
// "rgb(r, g, b)" or "rgb(r g b)", three numbers from 0 to 255 apart by blanks
// or commas, or a colour name Qt knows ("teal", "DarkOrange", "dark orange").
// Anything else, "transparent" included, is no colour.
std::optional<Rgb> parse(const QString &text);

// The text as a message quotes it: on one line, cut after 40 characters.
QString quoted(const QString &text);

} // namespace ColourText
