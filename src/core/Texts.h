#pragma once

#include "Languages.h"
#include "Text.h"

#include <QString>

// The text table: one row per Text, one column per language.
class Texts
{
public:
    static QString get(Text text, Language language);
};
