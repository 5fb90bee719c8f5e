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
