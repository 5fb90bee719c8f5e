#pragma once

#include "Languages.h"

#include <QString>
#include <QStringList>

#include <array>

#include <optional>

// The names of the 60 elements in the five interface languages, as they appear
// in the element list: "<number> - <marker> <name>". The marker is "!" for the
// elements the preview shows (and the reserved 59 and 60, except in French) and
// "?" for the others.
class ElementCatalogue
{
public:
    // The two elements of the provider name, which the provider option hides on
    // the phone, and the element the start leaves hidden.
    static constexpr std::array<int, 2> kProviderNameElements = {23, 24};
    static constexpr int kHiddenAtStart = 45;

    static QString name(Language language, int element);
    // "<number> <name>", as messages and menus name an element.
    static QString numberedName(Language language, int element);
    static QChar marker(Language language, int element);
    static QString listText(Language language, int element);
    static QStringList listTexts(Language language);

    // The element number a list text stands for: the text before the first "-",
    // blanks ignored, read as a number and rounded. Empty when the text has no
    // such number or the number is not 1 to 60.
    static std::optional<int> elementNumber(const QString &listText);
};
