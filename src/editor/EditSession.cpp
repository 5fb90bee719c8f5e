#include "EditSession.h"

#include "PreviewPanes.h"

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
    if (!element)
        return;
    m_scheme.setComponent(*element, channel, value);
    if (!m_guard)
        repaint(*element);
}

void EditSession::setColour(int element, const Rgb &colour)
{
    m_scheme.setColour(element, colour);
    repaint(element);
}

void EditSession::repaint(int element)
{
    m_panes.paintElement(element, m_scheme.colour(element));
}
