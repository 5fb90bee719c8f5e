#include "Settings.h"

#include <QSettings>

namespace {

const QString kApplication = QStringLiteral("QVX_VXL");
const QString kLanguageKey = QStringLiteral("Reg/version");
const QString kConsentKey = QStringLiteral("Reg/RegDone");
const QString kRecentKey = QStringLiteral("Recent/files");


QString read(const QString &key, const QString &fallback)
{
    const QVariant value = QSettings(QSettings::UserScope, kApplication).value(key, fallback);
    // A value of another kind (a list, a group where a key should be) is no text.
    return value.canConvert<QString>() ? value.toString() : QString();
}

// A value the store already holds is not written again: the language is stored
// at every start, and every write rewrites the whole store and waits for the disk.
// Where the folder cannot take the temporary file of an atomic write, the store
// is written in place rather than not at all.
void write(const QString &key, const QVariant &value)
{
    QSettings settings(QSettings::UserScope, kApplication);
    if (settings.value(key) == value)
        return;
    settings.setAtomicSyncRequired(false);
    settings.setValue(key, value);
}

} // namespace

Language Settings::startLanguage()
{
    return Languages::fromCode(read(kLanguageKey, QStringLiteral("de"))).value_or(Language::English);
}

void Settings::storeLanguage(Language language)
{
    write(kLanguageKey, Languages::code(language));
}

bool Settings::hasConsent()
{
    bool isNumber = false;
    const double value = read(kConsentKey, QStringLiteral("0")).trimmed().toDouble(&isNumber);
    return isNumber && value == 1;
}

void Settings::storeConsent(bool agreed)
{
    write(kConsentKey, agreed ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList Settings::recentFiles()
{
    const QVariant value = QSettings(QSettings::UserScope, kApplication).value(kRecentKey);
    return value.canConvert<QStringList>() ? value.toStringList() : QStringList();
}

void Settings::storeRecentFiles(const QStringList &files)
{
    write(kRecentKey, files);
}

void Settings::prefetch()
{
    QSettings(QSettings::UserScope, kApplication).contains(kLanguageKey);
}
