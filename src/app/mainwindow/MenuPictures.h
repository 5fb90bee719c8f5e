#pragma once

#include "MenuTable.h"

#include <QIcon>

// The pictures of the menu: the six icons, taken from the desktop's icon theme
// where it has them and drawn otherwise, and the 16 x 11 pictures of the flags
// and of the three built-in schemes.
class MenuPictures
{
public:
    // The picture of an item, made the first time it is shown.
    static QIcon picture(const MenuTable::Item &item);
    static QIcon makePicture(MenuTable::Picture picture, std::optional<Language> language);
};
