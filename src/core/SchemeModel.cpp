#include "SchemeModel.h"

void SchemeModel::setColour(int element, const Rgb &colour)
{
    if (colour == m_scheme.colour(element))
        return;
    m_scheme.setColour(element, colour);
    emit colourChanged(element);
}

void SchemeModel::setComponent(int element, int channel, quint8 value)
{
    ColourEntry &entry = m_scheme.entry(element);
    if (entry.component(channel) == value)
        return;
    entry.setComponent(channel, value);
    emit colourChanged(element);
}

void SchemeModel::replaceTable(const ColourTable &table, const std::optional<QString> &name)
{
    m_scheme.setTable(table);
    if (name && *name != m_scheme.name()) {
        m_scheme.setName(*name);
        emit nameChanged(*name);
    }
    emit tableReplaced();
}

void SchemeModel::loadStandard(StandardScheme scheme)
{
    ColourScheme standard = m_scheme;
    standard.loadStandard(scheme);
    replaceTable(standard.table());
}

void SchemeModel::apply(const SchemeReadResult &read)
{
    replaceTable(read.table, read.name);
}

void SchemeModel::setName(const QString &name)
{
    if (name == m_scheme.name())
        return;
    m_scheme.setName(name);
    emit nameChanged(name);
}

void SchemeModel::setVisible(int element, bool visible)
{
    if (visible == m_scheme.isVisible(element))
        return;
    m_scheme.setVisible(element, visible);
    emit visibilityChanged(element, visible);
}

void SchemeModel::resetVisibleFlags()
{
    ColourScheme reset;
    for (int element = 1; element <= kElementCount; ++element)
        setVisible(element, reset.isVisible(element));
}
