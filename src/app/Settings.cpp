#include "Settings.h"

#include <QSettings>

namespace {

const QString kApplication = QStringLiteral("QVX_VXL");
const QString kGroup = QStringLiteral("Reg");
const QString kLanguageKey = QStringLiteral("version");

void write(const QString &key, const QString &value)
{
    QSettings settings(QSettings::UserScope, kApplication);
    settings.beginGroup(kGroup);
    settings.setValue(key, value);
}

} // namespace

void Settings::storeLanguage(Language language)
{
    write(kLanguageKey, Languages::code(language));
}
