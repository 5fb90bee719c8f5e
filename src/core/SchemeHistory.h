#pragma once

#include "SchemeChange.h"

#include <QObject>

#include <deque>
#include <functional>

class SchemeModel;

// Every change of the scheme, oldest first, with its time: a colour with what
// it was before, a check mark, the name, or the whole scheme. Going back to an
// entry makes the scheme what it was right after it, as one change more, so
// that going back can itself be taken back. At most kLimit entries are kept,
// the oldest going first; the history lives as long as the program.
//
// A run of typing in one place (the channel boxes of one element, the name
// box), without a pause of kTypingPause, is one entry: the colour or name it
// ended with.
class SchemeHistory : public QObject
{
    Q_OBJECT
public:
    struct Entry
    {
        qint64 time = 0; // milliseconds since the epoch
        SchemeChange change;
    };

    static constexpr int kLimit = 10000;
    static constexpr qint64 kTypingPause = 2000;

    explicit SchemeHistory(SchemeModel &scheme, QObject *parent = nullptr);

    int count() const { return int(m_entries.size()); }
    // 0 is the oldest.
    const Entry &entry(int index) const { return m_entries.at(std::size_t(index)); }

    // Makes the scheme (colours, check marks, name) what it was right after the entry.
    void goBackTo(int index);
    void clear();

    // Where the time comes from (a test's own clock).
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    // The time an entry is shown with, and gone back to.
    static QString timeText(qint64 time);

signals:
    // A change was added as the newest entry, or merged into it; the oldest was
    // dropped first where the history was full.
    void recorded(bool merged, bool droppedOldest);
    void cleared();

private:
    void record(const SchemeChange &change);
    bool merge(const SchemeChange &change, qint64 now);

    SchemeModel &m_scheme;
    std::deque<Entry> m_entries;
    std::function<qint64()> m_clock;
};
