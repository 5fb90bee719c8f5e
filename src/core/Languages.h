#pragma once

#include <QString>

#include <array>
#include <optional>

// The interface languages. The order is the column order of every text table and
// the index of the language's flag on the disclaimer panel.
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
    // Exact, case-sensitive match of a stored code.
    static std::optional<Language> fromCode(const QString &code);
};
