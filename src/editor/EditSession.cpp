#include "EditSession.h"

std::optional<Rgb> EditSession::currentColour() const
{
    if (const auto element = currentElement())
        return m_scheme.colour(*element);
    return std::nullopt;
}

void EditSession::rememberUndo()
{
    if (const auto colour = currentColour())
        m_history.record(*colour);
}

void EditSession::writeChannel(int channel, quint8 value)
{
    const auto element = currentElement();
    if (element && !m_guard)
        m_scheme.setComponent(*element, channel, value);
}
