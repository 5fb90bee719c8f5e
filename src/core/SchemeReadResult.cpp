#include "SchemeReadResult.h"

QString SchemeReadResult::problem() const
{
    if (line <= 0)
        return reason;
    return QStringLiteral("line %1: %2").arg(line).arg(reason);
}

void SchemeReadResult::applyTo(ColourScheme &scheme) const
{
    scheme.setTable(table);
    if (name)
        scheme.setName(*name);
}
