#include "EditSession.h"

namespace {

// How the history tells each kind of change.
ChangeCause causeOf(EditSession::Change how)
{
    switch (how) {
    case EditSession::Change::PaletteClick:
        return ChangeCause::Palette;
    case EditSession::Change::Paste:
        return ChangeCause::Paste;
    case EditSession::Change::Entered:
        return ChangeCause::Entered;
    case EditSession::Change::Reset:
        return ChangeCause::Reset;
    case EditSession::Change::Fix:
        return ChangeCause::Fix;
    case EditSession::Change::Undo:
        return ChangeCause::Undo;
    case EditSession::Change::Redo:
        return ChangeCause::Redo;
    case EditSession::Change::Pick:
        break;
    }
    return ChangeCause::Pick;
}

} // namespace

EditSession::EditSession(SchemeModel &scheme, QObject *parent) : QObject(parent), m_scheme(scheme)
{
}

std::optional<Rgb> EditSession::currentColour() const
{
    if (m_current)
        return m_scheme.colour(*m_current);
    return std::nullopt;
}

void EditSession::choose(int element)
{
    m_current = element;
    emit currentElementChanged(element);
}

void EditSession::chooseNone()
{
    m_current.reset();
    emit currentElementChanged(0);
}

// A palette click records the colour before it as the step to undo; the
// program's own commands also offer Undo again, so that each of them is taken
// back by one Undo however often the commands come.
void EditSession::giveColour(const Rgb &colour, Change how)
{
    if (!m_current)
        return;
    if (isCommand(how))
        m_history.recordOffered(m_scheme.colour(*m_current));
    else
        rememberUndo();
    m_scheme.setColour(*m_current, colour, causeOf(how));
    emit colourGiven(colour, how);
}

void EditSession::giveColourTo(int element, const Rgb &colour, Change how)
{
    if (m_current != element)
        choose(element);
    giveColour(colour, how);
}

// For an element pixel the pane shows the element's own colour; for one of the
// few fixed icon pixels that pass the test, the icon's colour. The editor moves
// its bars to the colour, and their own handling records every single step as
// an undo colour: the colour before the pick is recorded last.
void EditSession::pick(int element, const Rgb &shown)
{
    Guard guard(*this);
    choose(element);
    const Rgb before = m_scheme.colour(element);
    m_scheme.setColour(element, shown, ChangeCause::Pick);
    emit colourGiven(shown, Change::Pick);
    m_history.recordOffered(before);
}

void EditSession::undo()
{
    m_history.undo(currentColour(), [this](const Rgb &colour) { restore(colour, Change::Undo); });
}

void EditSession::redo()
{
    m_history.redo(currentColour(), [this](const Rgb &colour) { restore(colour, Change::Redo); });
}

// The editor assigns the colour to its boxes as if typed: its own handling then
// records the colour the entry already holds, so the undo colour stays.
void EditSession::restore(const Rgb &colour, Change how)
{
    m_scheme.setColour(*m_current, colour, causeOf(how));
    emit colourGiven(colour, how);
}

void EditSession::setVisible(int element, bool visible)
{
    m_scheme.setVisible(element, visible);
}

void EditSession::rememberUndo()
{
    if (const auto colour = currentColour())
        m_history.record(*colour);
}

void EditSession::writeChannel(int channel, quint8 value)
{
    if (m_current && !m_guard)
        m_scheme.setComponent(*m_current, channel, value);
}
