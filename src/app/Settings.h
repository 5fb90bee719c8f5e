#pragma once

#include "Languages.h"

#include <QString>

// The two settings the program keeps in the user's settings store, under the
// application name QVX_VXL, group "Reg", both as strings: "version" (the code of
// the interface language) and "RegDone" (the consent to the disclaimer, "1" or
// "0").
class Settings
{
public:
    static void storeLanguage(Language language);
};
