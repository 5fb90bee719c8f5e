#include "SchemeNameValidator.h"

#include "SchemeFile.h"

QValidator::State SchemeNameValidator::validate(QString &input, int &) const
{
    return SchemeFile::nameProblem(input) ? Invalid : Acceptable;
}
