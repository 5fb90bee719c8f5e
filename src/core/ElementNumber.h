#pragma once

#include <cstddef>

// Elements are numbered 1 to 60 everywhere: in the colour table, in a .col
// file's data lines, in the element list (position n - 1) and in the masks'
// element codes.
constexpr int kElementCount = 60;

class ElementNumber
{
public:
    static constexpr bool isValid(int element) { return element >= 1 && element <= kElementCount; }

    // The 0-based index of a table row for an element number. Throws
    // std::out_of_range for a number outside 1 to 60: callers that take a number
    // from outside (a list text, a mask pixel) check it with isValid() first, so
    // a throw is a programming error, never a user's.
    static std::size_t index(int element);
};
