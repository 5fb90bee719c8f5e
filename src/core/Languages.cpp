#include "Languages.h"

namespace {

struct LanguageRow
{
    const char16_t *code;
    const char16_t *menuKey;
    const char16_t *selectorLabel;
    const char16_t *toolkitTranslation; // empty where the toolkit's words are English already
};

// In the order of Language.
constexpr LanguageRow kLanguages[Languages::kCount] = {
    {u"de", u"keyGerman", u"[german]", u"qtbase_de"},
    {u"eng", u"keyEnglish", u"[english]", u""},
    {u"frc", u"keyFrance", u"[france]", u"qtbase_fr"},
    {u"esp", u"keyEspanol", u"[spain]", u"qtbase_es"},
    {u"dutch", u"keyDutch", u"[dutch]", u"qtbase_nl"},
};

const LanguageRow &rowOf(Language language)
{
    return kLanguages[Languages::index(language)];
}

template <typename Field>
std::optional<Language> find(const QString &text, Field field)
{
    for (Language language : Languages::kAll) {
        if (text == QStringView(rowOf(language).*field))
            return language;
    }
    return std::nullopt;
}

} // namespace

QString Languages::code(Language language)
{
    return QString::fromUtf16(rowOf(language).code);
}

QString Languages::menuKey(Language language)
{
    return QString::fromUtf16(rowOf(language).menuKey);
}

QString Languages::selectorLabel(Language language)
{
    return QString::fromUtf16(rowOf(language).selectorLabel);
}

QString Languages::toolkitTranslation(Language language)
{
    return QString::fromUtf16(rowOf(language).toolkitTranslation);
}

std::optional<Language> Languages::fromCode(const QString &code)
{
    return find(code, &LanguageRow::code);
}

std::optional<Language> Languages::fromMenuKey(const QString &key)
{
    return find(key, &LanguageRow::menuKey);
}
