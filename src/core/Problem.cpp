#include "Problem.h"

#include "Texts.h"

QString Problem::words(Language language) const
{
    // All values in one pass: a value may itself hold "%1" (an item read from
    // a file), which a second pass would take for a place holder.
    const QString text = Texts::get(reason, language);
    const QStringList &v = values;
    switch (v.size()) {
    case 0: return text;
    case 1: return text.arg(v[0]);
    case 2: return text.arg(v[0], v[1]);
    case 3: return text.arg(v[0], v[1], v[2]);
    default: return text.arg(v[0], v[1], v[2], v[3]);
    }
}

QString Problem::quoted(const QString &item)
{
    if (item.size() <= kQuotedLength)
        return u'"' + item + u'"';
    // A character written as two UTF-16 units is kept whole or left out.
    const bool splitsPair = item.at(kQuotedLength - 1).isHighSurrogate() && item.at(kQuotedLength).isLowSurrogate();
    return u'"' + item.left(splitsPair ? kQuotedLength - 1 : kQuotedLength) + u'\u2026' + u'"';
}
