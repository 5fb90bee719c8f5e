#include "ElementNumber.h"

#include <stdexcept>
#include <string>

std::size_t ElementNumber::index(int element)
{
    if (!isValid(element))
        throw std::out_of_range("element number " + std::to_string(element) + " is not 1 to "
                                + std::to_string(kElementCount));
    return std::size_t(element - 1);
}
