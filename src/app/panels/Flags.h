#pragma once

#include "Languages.h"

#include <QPixmap>

// The flags of the interface languages, drawn at any size from their
// descriptions in the language table.
class Flags
{
public:
    static QPixmap flag(Language language, QSize size);
};
