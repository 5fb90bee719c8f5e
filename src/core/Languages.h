#pragma once

#include "Rgb.h"

#include <QString>

#include <array>
#include <optional>

// The interface languages. The order is the column order of every text table and
// the index of the language's flag on the disclaimer panel. A further language is
// one more value here, one more row in the table of Languages.cpp, one more
// column in the text tables and one more row in the menu table; the build
// refuses a table that lacks one of its texts.
enum class Language { German, English, French, Spanish, Dutch };

// How a language's flag is drawn, at any size: three bands, or the union flag.
struct FlagPicture
{
    enum class Pattern {
        Across,  // bands from top to bottom, each as high as its share
        Upright, // bands from left to right; the outer two are measured from their
                 // own edges, so equal shares stay equally wide, and the middle one
                 // takes what is left
        Union,   // colours: the field, the white and the red of the crosses
    };
    Pattern pattern;
    std::array<Rgb, 3> colours;
    std::array<int, 3> shares; // of the bands' side; unused by the union flag
};

class Languages
{
public:
    static constexpr int kCount = 5;
    static constexpr std::array<Language, kCount> kAll = {
        Language::German, Language::English, Language::French, Language::Spanish, Language::Dutch};

    static int index(Language language) { return static_cast<int>(language); }
    // The code stored in the settings: "de", "eng", "frc", "esp", "dutch".
    static QString code(Language language);
    // What the language selector says while the pointer is on the flag ("[german]", ...).
    static QString selectorLabel(Language language);
    // The name of the toolkit's own translation (the words of its file dialog and
    // message box buttons), "qtbase_de" and so on; empty for English.
    static QString toolkitTranslation(Language language);
    // The index of the language's flag on the disclaimer panel.
    static int flagIndex(Language language) { return index(language); }
    // The flag that stands for the language on the disclaimer panel and in the menu.
    static const FlagPicture &flag(Language language);

    // An exact, case-sensitive match.
    static std::optional<Language> fromCode(const QString &code);

    // The interface language, held here and nowhere else. Who shows words reads
    // it when Qt's LanguageChange event comes (QWidget::changeEvent).
    static Language current();
    static void setCurrent(Language language);
};
