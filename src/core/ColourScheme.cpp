#include "ColourScheme.h"

#include "ElementCatalogue.h"

ColourScheme::ColourScheme()
{
    resetVisibleFlags();
}

const ColourEntry &ColourScheme::entry(int element) const
{
    return m_table[ElementNumber::index(element)];
}

ColourEntry &ColourScheme::entry(int element)
{
    return m_table[ElementNumber::index(element)];
}

void ColourScheme::loadStandard(StandardScheme scheme)
{
    for (int element = 1; element <= kElementCount; ++element)
        setColour(element, StandardSchemes::colour(scheme, element));
}

bool ColourScheme::isVisible(int element) const
{
    return m_visible[ElementNumber::index(element)];
}

void ColourScheme::setVisible(int element, bool visible)
{
    m_visible[ElementNumber::index(element)] = visible;
}

void ColourScheme::resetVisibleFlags()
{
    m_visible.fill(true);
    setVisible(ElementCatalogue::kHiddenAtStart, false);
}

quint64 ColourScheme::visibleBits() const
{
    quint64 bits = 0;
    for (std::size_t i = 0; i < m_visible.size(); ++i)
        bits |= quint64(m_visible[i]) << i;
    return bits;
}

void ColourScheme::setVisibleBits(quint64 bits)
{
    for (std::size_t i = 0; i < m_visible.size(); ++i)
        m_visible[i] = (bits >> i) & 1U;
}
