#include "SchemeNameValidator.h"

#include "SchemeFile.h"

QValidator::State SchemeNameValidator::validate(QString &input, int &) const
{
    const auto problem = SchemeFile::nameProblem(input);
    if (!problem)
        return Acceptable;
    m_lastRefused = problem->reason == Text::NameHasCharacter ? problem->values.value(0) : QStringLiteral("\u21B5");
    return Invalid;
}
