#pragma once

#include "Problem.h"

#include <QObject>
#include <QString>

// Says, whenever the settings store is found unusable or a write fails, that
// the choices cannot be kept beyond this run, and why.
class SettingsWatch : public QObject
{
    Q_OBJECT
public:
    static SettingsWatch &instance();

signals:
    void cannotKeep(const QString &store, const Problem &why);
};
