#include "SchemeModel.h"

void SchemeModel::apply(const SchemeReadResult &read)
{
    m_scheme.setTable(read.table);
    if (read.name)
        setName(*read.name);
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
