#pragma once

#include <QString>

#include <array>
#include <optional>

// The interface languages. The order is the column order of every text table and
// the index of the language's flag on the disclaimer panel. A further language is
// one more value here, one more row in the table of Languages.cpp and one more
// column in the text tables.
enum class Language { German, English, French, Spanish, Dutch };

class Languages
{
public:
    static constexpr int kCount = 5;
    static constexpr std::array<Language, kCount> kAll = {
        Language::German, Language::English, Language::French, Language::Spanish, Language::Dutch};

    static int index(Language language) { return static_cast<int>(language); }
    // The code stored in the settings: "de", "eng", "frc", "esp", "dutch".
    static QString code(Language language);
    // The key of the menu command that switches to the language ("keyGerman", ...).
    static QString menuKey(Language language);
    // What the language selector says while the pointer is on the flag ("[german]", ...).
    static QString selectorLabel(Language language);
    // The name of the toolkit's own translation (the words of its file dialog and
    // message box buttons), "qtbase_de" and so on; empty for English.
    static QString toolkitTranslation(Language language);
    // The index of the language's flag on the disclaimer panel.
    static int flagIndex(Language language) { return index(language); }

    // Exact, case-sensitive matches.
    static std::optional<Language> fromCode(const QString &code);
    static std::optional<Language> fromMenuKey(const QString &key);
};
