#include "SchemeModel.h"

#include <QFileInfo>

void SchemeModel::setColour(int element, const Rgb &colour, ChangeCause cause)
{
    ColourEntry entry = m_scheme.entry(element);
    entry.setRgb(colour);
    changeColour(element, entry, cause);
}

void SchemeModel::setComponent(int element, int channel, quint8 value)
{
    ColourEntry entry = m_scheme.entry(element);
    entry.setComponent(channel, value);
    changeColour(element, entry, ChangeCause::Typed);
}

void SchemeModel::changeColour(int element, const ColourEntry &entry, ChangeCause cause)
{
    const ColourEntry before = m_scheme.entry(element);
    if (entry == before)
        return;
    m_scheme.entry(element) = entry;
    emit colourChanged(element);
    SchemeChange change;
    change.cause = cause;
    change.element = quint8(element);
    change.before = before;
    change.after = entry;
    emit changed(change);
    checkModified();
}

// The new state is whole before anyone hears of it: the marks, the name and the
// table are announced after all three are set.
void SchemeModel::replace(const ColourScheme &scheme, ChangeCause cause, const QString &detail)
{
    auto whole = std::make_shared<SchemeChange::Whole>();
    whole->table = m_scheme.table();
    whole->visible = m_scheme.visibleBits();
    whole->name = m_scheme.name();
    whole->detail = detail;
    const ColourScheme before = m_scheme;
    m_scheme = scheme;

    for (int element = 1; element <= kElementCount; ++element) {
        if (before.isVisible(element) != m_scheme.isVisible(element))
            emit visibilityChanged(element, m_scheme.isVisible(element));
    }
    if (before.name() != m_scheme.name())
        emit nameChanged(m_scheme.name());
    emit tableReplaced();
    SchemeChange change;
    change.kind = SchemeChange::Kind::Scheme;
    change.cause = cause;
    change.whole = std::move(whole);
    emit changed(change);
    checkModified();
}

void SchemeModel::loadStandard(StandardScheme scheme)
{
    ColourScheme standard = m_scheme;
    standard.loadStandard(scheme);
    replace(standard, ChangeCause::New, StandardSchemes::name(scheme));
}

void SchemeModel::apply(const SchemeReadResult &read, const QString &fileName)
{
    ColourScheme opened = m_scheme;
    opened.setTable(read.table);
    if (read.name)
        opened.setName(*read.name);
    replace(opened, ChangeCause::Opened, QFileInfo(fileName).fileName());
}

void SchemeModel::setName(const QString &name)
{
    if (name == m_scheme.name())
        return;
    auto whole = std::make_shared<SchemeChange::Whole>();
    whole->name = m_scheme.name();
    whole->nameAfter = name;
    m_scheme.setName(name);
    emit nameChanged(name);
    SchemeChange change;
    change.kind = SchemeChange::Kind::Name;
    change.whole = std::move(whole);
    emit changed(change);
    checkModified();
}

void SchemeModel::setVisible(int element, bool visible)
{
    if (visible == m_scheme.isVisible(element))
        return;
    m_scheme.setVisible(element, visible);
    emit visibilityChanged(element, visible);
    SchemeChange change;
    change.kind = SchemeChange::Kind::Mark;
    change.cause = ChangeCause::CheckMark;
    change.element = quint8(element);
    change.markAfter = visible;
    emit changed(change);
    checkModified();
}

void SchemeModel::resetVisibleFlags()
{
    ColourScheme reset = m_scheme;
    reset.resetVisibleFlags();
    replace(reset, ChangeCause::New, {});
}

void SchemeModel::markUnmodified()
{
    m_unmodified = m_scheme;
    checkModified();
}

// A change taken back by hand, by Undo or by the history leaves the scheme
// unchanged again.
void SchemeModel::checkModified()
{
    const bool modified = m_scheme.name() != m_unmodified.name() || !(m_scheme.table() == m_unmodified.table())
                          || m_scheme.visibleBits() != m_unmodified.visibleBits();
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}
