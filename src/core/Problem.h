#pragma once

#include "Languages.h"
#include "Text.h"

#include <QString>
#include <QStringList>

// Why something failed, as a reason from the text table with its values (a
// line, a count, a limit, the item read). Core and preview decide the reason;
// whoever shows it words it in the language in force.
struct Problem
{
    Text reason = Text::SystemSays;
    QStringList values;

    QString words(Language language) const;

    // An item as a message quotes it: in quotes, cut after kQuotedLength
    // characters and then marked "…". A message quoting a whole megabyte would
    // take the window seconds to lay out, and tells no more.
    static constexpr qsizetype kQuotedLength = 40;
    static QString quoted(const QString &item);

    friend bool operator==(const Problem &a, const Problem &b)
    {
        return a.reason == b.reason && a.values == b.values;
    }
};
