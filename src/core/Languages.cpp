#include "Languages.h"

namespace {
constexpr const char16_t *kCodes[Languages::kCount] = {u"de", u"eng", u"frc", u"esp", u"dutch"};
}

QString Languages::code(Language language)
{
    return QString::fromUtf16(kCodes[index(language)]);
}

std::optional<Language> Languages::fromCode(const QString &code)
{
    for (Language language : kAll) {
        if (code == kCodes[index(language)])
            return language;
    }
    return std::nullopt;
}
