#pragma once

#include <QPixmap>

// The picture beside the panels: a phone of 105 x 177 pixels whose display shows
// the program's name.
class Banner
{
public:
    static constexpr int kWidth = 105;
    static constexpr int kHeight = 177;

    static QPixmap picture();
};
