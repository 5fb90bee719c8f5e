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

    // What an element does on the phone's screens, so that a scheme can be laid
    // out from a few colours.
    enum class Role {
        Surface,      // the deepest backgrounds: standby screen, menus, windows
        Raised,       // the bars on them: title bar, softkeys, scroll bar, status bar
        Text,         // a text on a surface
        TextOnRaised, // a text on a bar
        Accent,       // what shows a selection: selection bars, marked lines, events
        TextOnAccent, // a text on a selection
        Marker,       // a mark that shows a place or a choice: scroll mark, radio
                      // selection and icon detail, cursor
        Border,       // frames, lines and shadows
        IconFill,     // the fill of the phone book's icons, under their detail
        PageText,     // the phone book's texts, on the phone's own white page
        Reserved,     // not used by the phone
    };
    static Role role(int element);

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
