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

    friend bool operator==(const Problem &a, const Problem &b)
    {
        return a.reason == b.reason && a.values == b.values;
    }
};
