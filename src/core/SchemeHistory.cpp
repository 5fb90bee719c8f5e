#include "SchemeHistory.h"

#include "SchemeModel.h"

#include <QDateTime>

namespace {

// Takes one change back on a copy of the scheme.
void takeBack(ColourScheme &scheme, const SchemeChange &change)
{
    switch (change.kind) {
    case SchemeChange::Kind::Colour:
        scheme.entry(change.element) = change.before;
        break;
    case SchemeChange::Kind::Mark:
        scheme.setVisible(change.element, !change.markAfter);
        break;
    case SchemeChange::Kind::Name:
        scheme.setName(change.whole->name);
        break;
    case SchemeChange::Kind::Scheme:
        scheme.setTable(change.whole->table);
        scheme.setVisibleBits(change.whole->visible);
        scheme.setName(change.whole->name);
        break;
    }
}

} // namespace

SchemeHistory::SchemeHistory(SchemeModel &scheme, QObject *parent)
    : QObject(parent)
    , m_scheme(scheme)
    , m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    connect(&scheme, &SchemeModel::changed, this, &SchemeHistory::record);
}

QString SchemeHistory::timeText(qint64 time)
{
    return QDateTime::fromMSecsSinceEpoch(time).toString(QStringLiteral("HH:mm:ss"));
}

void SchemeHistory::record(const SchemeChange &change)
{
    const qint64 now = m_clock();
    if (merge(change, now)) {
        emit recorded(true, false);
        return;
    }
    const bool full = m_entries.size() >= std::size_t(kLimit);
    if (full)
        m_entries.pop_front();
    m_entries.push_back({now, change});
    emit recorded(false, full);
}

// Typing goes on in the same place: the newest entry takes the new colour or
// name and the time, and keeps what was there before the run began.
bool SchemeHistory::merge(const SchemeChange &change, qint64 now)
{
    if (m_entries.empty() || change.cause != ChangeCause::Typed)
        return false;
    Entry &newest = m_entries.back();
    SchemeChange &last = newest.change;
    if (last.cause != ChangeCause::Typed || last.kind != change.kind || now - newest.time > kTypingPause)
        return false;
    switch (change.kind) {
    case SchemeChange::Kind::Colour:
        if (last.element != change.element)
            return false;
        last.after = change.after;
        break;
    case SchemeChange::Kind::Name: {
        auto whole = std::make_shared<SchemeChange::Whole>(*last.whole);
        whole->nameAfter = change.whole->nameAfter;
        last.whole = std::move(whole);
        break;
    }
    case SchemeChange::Kind::Mark:
    case SchemeChange::Kind::Scheme:
        return false;
    }
    newest.time = now;
    return true;
}

// Newest first, every later change is taken back on a copy; the scheme then
// takes the copy in one change.
void SchemeHistory::goBackTo(int index)
{
    if (index < 0 || index >= count())
        return;
    ColourScheme scheme = m_scheme.scheme();
    for (int later = count() - 1; later > index; --later)
        takeBack(scheme, m_entries[std::size_t(later)].change);
    m_scheme.replace(scheme, ChangeCause::WentBack, timeText(m_entries[std::size_t(index)].time));
}

void SchemeHistory::clear()
{
    m_entries.clear();
    emit cleared();
}
