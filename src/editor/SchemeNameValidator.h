#pragma once

#include <QValidator>

// Refuses, as it is typed or pasted, any character a scheme file cannot hold:
// the name is written in Windows-1252 on one line.
class SchemeNameValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};
