#include "Languages.h"

#include <cstddef>

namespace {

struct LanguageRow
{
    Language language; // the row's own key, to catch a table out of order at compile time
    const char16_t *code;
    const char16_t *selectorLabel;
    const char16_t *toolkitTranslation; // empty where the toolkit's words are English already
    FlagPicture flag;
};

using Pattern = FlagPicture::Pattern;

// In the order of Language.
constexpr LanguageRow kLanguages[Languages::kCount] = {
    {Language::German, u"de", u"[german]", u"qtbase_de",
     {Pattern::Across, {{{0, 0, 0}, {221, 0, 0}, {255, 206, 0}}}, {1, 1, 1}}},
    {Language::English, u"eng", u"[english]", u"",
     {Pattern::Union, {{{1, 33, 105}, {255, 255, 255}, {200, 16, 46}}}, {}}},
    {Language::French, u"frc", u"[france]", u"qtbase_fr",
     {Pattern::Upright, {{{0, 35, 149}, {255, 255, 255}, {237, 41, 57}}}, {1, 1, 1}}},
    {Language::Spanish, u"esp", u"[spain]", u"qtbase_es",
     {Pattern::Across, {{{170, 21, 27}, {241, 191, 0}, {170, 21, 27}}}, {1, 2, 1}}},
    {Language::Dutch, u"dutch", u"[dutch]", u"qtbase_nl",
     {Pattern::Across, {{{174, 28, 40}, {255, 255, 255}, {33, 70, 139}}}, {1, 1, 1}}},
};

constexpr bool filled(const char16_t *text)
{
    return text && text[0] != u'\0';
}

// One row per language in the order of the enum, each with its code, its label
// and a flag that can be drawn.
constexpr bool complete()
{
    for (std::size_t i = 0; i < std::size(kLanguages); ++i) {
        const LanguageRow &row = kLanguages[i];
        if (row.language != Languages::kAll[i] || Languages::kAll[i] != Language(i))
            return false;
        if (!filled(row.code) || !filled(row.selectorLabel) || !row.toolkitTranslation)
            return false;
        if (row.flag.pattern != Pattern::Union) {
            for (int share : row.flag.shares) {
                if (share <= 0)
                    return false;
            }
        }
    }
    return true;
}
static_assert(complete(), "one complete row per Language, in the order of the enum");

const LanguageRow &rowOf(Language language)
{
    return kLanguages[Languages::index(language)];
}

} // namespace

QString Languages::code(Language language)
{
    return QString::fromUtf16(rowOf(language).code);
}

QString Languages::selectorLabel(Language language)
{
    return QString::fromUtf16(rowOf(language).selectorLabel);
}

QString Languages::toolkitTranslation(Language language)
{
    return QString::fromUtf16(rowOf(language).toolkitTranslation);
}

const FlagPicture &Languages::flag(Language language)
{
    return rowOf(language).flag;
}

std::optional<Language> Languages::fromCode(const QString &code)
{
    for (Language language : kAll) {
        if (code == QStringView(rowOf(language).code))
            return language;
    }
    return std::nullopt;
}

namespace {
Language g_current = Language::German;
}

Language Languages::current()
{
    return g_current;
}

void Languages::setCurrent(Language language)
{
    g_current = language;
}
