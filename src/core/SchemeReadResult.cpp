#include "SchemeReadResult.h"

QString SchemeReadResult::problem(Language language) const
{
    if (status == Status::Complete)
        return {};
    if (line <= 0)
        return reason.words(language);
    return Problem{Text::AtLine, {QString::number(line), reason.words(language)}}.words(language);
}

void SchemeReadResult::applyTo(ColourScheme &scheme) const
{
    scheme.setTable(table);
    if (name)
        scheme.setName(*name);
}
