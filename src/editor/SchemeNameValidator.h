#pragma once

#include <QValidator>

#include <optional>

// Refuses, as it is typed or pasted, any character a scheme file cannot hold:
// the name is written in Windows-1252 on one line.
class SchemeNameValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;

    // The character that made the last refusal, as the user may be shown it (a
    // line break as "↵"); empty before the first refusal.
    std::optional<QString> lastRefused() const { return m_lastRefused; }

private:
    mutable std::optional<QString> m_lastRefused;
};
