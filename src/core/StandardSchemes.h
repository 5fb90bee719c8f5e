#pragma once

#include "Rgb.h"

#include <QString>

#include <optional>

enum class StandardScheme { Blue, Green, Red };

// The three built-in colour schemes: red, green and blue for each of the 60
// elements (no brightness, name or flags).
class StandardSchemes
{
public:
    static Rgb colour(StandardScheme scheme, int element);
    // "blue", "green" or "red", in any letter case.
    static std::optional<StandardScheme> fromName(const QString &name);
    // "blue", "green" or "red".
    static QString name(StandardScheme scheme);
};
