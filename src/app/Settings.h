#pragma once

#include "Languages.h"

#include <QString>

// The two settings the program keeps in the user's settings store, under the
// application name QVX_VXL, group "Reg", both as strings: "version" (the code of
// the interface language) and "RegDone" (the consent to the disclaimer, "1" or
// "0"), and apart from them the list of recent files.
class Settings
{
public:
    // The language to start in: the stored code matched exactly; nothing stored
    // means German, anything else English.
    static Language startLanguage();
    static void storeLanguage(Language language);

    // Whether the user agreed to the disclaimer: "RegDone" read as a number
    // equals 1. A value that is no number at all counts as not agreed.
    static bool hasConsent();
    static void storeConsent(bool agreed);

    // The schemes last opened or saved, kept under a group of the program's
    // own ("Recent/files"), apart from the two settings above.
    static QStringList recentFiles();
    static void storeRecentFiles(const QStringList &files);

    // Reads the store once, so that the reads of the start find it read. Safe
    // on any thread, also before the application object exists.
    static void prefetch();
};
