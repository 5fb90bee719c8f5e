#pragma once

#include <QString>

class QWidget;

// The questions the window asks the user: which file, and the messages it shows.
// The window owns one; tests give it one that answers without a person.
class UserDialogs
{
public:
    enum class Severity { Information, Warning };
    enum class SaveAnswer { Save, Discard, Cancel };

    virtual ~UserDialogs() = default;

    // Filters as Qt writes them ("Colour Scheme (*.col);;all (*)"). The dialog
    // starts in the folder, with an empty file name (an empty folder: the
    // toolkit's choice). An empty result means the user cancelled.
    virtual QString openFileName(QWidget *parent, const QString &filter, const QString &folder) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &filter, const QString &folder) = 0;
    virtual void showMessage(QWidget *parent, Severity severity, const QString &text,
                             const QString &details) = 0;
    // Unsaved changes are about to go: save them first, let them go, or keep
    // them and leave the command undone.
    virtual SaveAnswer askToSave(QWidget *parent, const QString &question) = 0;
};
