#include "ColourScheme.h"

#include <stdexcept>
#include <string>

ColourScheme::ColourScheme()
{
    resetVisibleFlags();
}

int ColourScheme::indexOf(int element)
{
    if (!isElementNumber(element))
        throw std::out_of_range("element number " + std::to_string(element) + " is not 1 to 60");
    return element - 1;
}

const ColourEntry &ColourScheme::entry(int element) const
{
    return m_table[indexOf(element)];
}

ColourEntry &ColourScheme::entry(int element)
{
    return m_table[indexOf(element)];
}

void ColourScheme::loadStandard(StandardScheme scheme)
{
    for (int element = 1; element <= kElementCount; ++element)
        setColour(element, StandardSchemes::colour(scheme, element));
}

bool ColourScheme::isVisible(int element) const
{
    return m_visible[indexOf(element)];
}

void ColourScheme::setVisible(int element, bool visible)
{
    m_visible[indexOf(element)] = visible;
}

void ColourScheme::resetVisibleFlags()
{
    m_visible.fill(true);
    setVisible(45, false);
}
