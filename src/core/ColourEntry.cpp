#include "ColourEntry.h"

#include <stdexcept>
#include <string>

quint8 ColourEntry::component(int index) const
{
    switch (index) {
    case 0: return red;
    case 1: return green;
    case 2: return blue;
    case 3: return brightness;
    }
    throw std::out_of_range("colour component " + std::to_string(index));
}

void ColourEntry::setComponent(int index, quint8 value)
{
    switch (index) {
    case 0: red = value; return;
    case 1: green = value; return;
    case 2: blue = value; return;
    case 3: brightness = value; return;
    }
    throw std::out_of_range("colour component " + std::to_string(index));
}
