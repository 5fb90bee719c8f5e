#pragma once

#include "UserDialogs.h"

// The real dialogs.
class QtUserDialogs : public UserDialogs
{
public:
    QString openFileName(QWidget *parent, const QString &filter, const QString &folder) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &folder) override;
    void showMessage(QWidget *parent, Severity severity, const QString &text, const QString &details) override;
    SaveAnswer askToSave(QWidget *parent, const QString &question) override;
};
