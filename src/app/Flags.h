#pragma once

#include "Languages.h"

#include <QPixmap>

// The flags of the five interface languages, drawn at any size.
class Flags
{
public:
    static QPixmap flag(Language language, QSize size);
};
