#include "SettingsWatch.h"

SettingsWatch &SettingsWatch::instance()
{
    static SettingsWatch watch;
    return watch;
}
