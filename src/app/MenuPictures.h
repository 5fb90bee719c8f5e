#pragma once

#include "MenuTable.h"

#include <QIcon>

// The pictures of the menu: the six icons of the menu list, taken from the
// desktop's icon theme where it has them and drawn otherwise, and the eight
// 16 x 11 pictures of the flag list (five flags and the three scheme swatches).
class MenuPictures
{
public:
    // Made the first time it is shown.
    static QIcon picture(MenuTable::ImageList list, int index);
    static QIcon makePicture(MenuTable::ImageList list, int index);
    // The drawn icon of the menu list (1 undo, 2 redo, 3 save, 4 open, 5 new, 6 help).
    static QPixmap drawnIcon(int index);
};
