#include "EditSession.h"

#include "PreviewPanes.h"

void EditSession::rememberUndo()
{
    if (const auto element = currentElement())
        undoColour = m_scheme.colour(*element);
}

void EditSession::writeChannel(int channel, quint8 value, const Rgb &shown)
{
    const auto element = currentElement();
    if (!element)
        return;
    m_scheme.entry(*element).setComponent(channel, value);
    if (!m_guard)
        m_panes.paintElement(*element, shown);
}

void EditSession::setColour(int element, const Rgb &colour)
{
    m_scheme.setColour(element, colour);
    m_panes.paintElement(element, colour);
}
