#pragma once

#include <QString>

class QWidget;

// The questions the window asks the user: which file, and the messages it shows.
// The window owns one; tests give it one that answers without a person.
class UserDialogs
{
public:
    enum class Severity { Information, Warning };

    virtual ~UserDialogs() = default;

    // Filters as Qt writes them ("Colour Scheme (*.col);;all (*)"). An empty
    // result means the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &filter) = 0;
    virtual void showMessage(QWidget *parent, Severity severity, const QString &text,
                             const QString &details) = 0;
};
