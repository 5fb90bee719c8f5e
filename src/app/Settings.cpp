#include "Settings.h"

#include "SettingsWatch.h"

#include "RegularFile.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariantMap>

namespace {

const QString kStoreFile = QStringLiteral("QVX_VXL.conf");
const QString kLanguageKey = QStringLiteral("Reg/version");
const QString kConsentKey = QStringLiteral("Reg/RegDone");
const QString kRecentKey = QStringLiteral("Recent/files");
const QString kViewPhoneKey = QStringLiteral("View/phone");
const QString kViewVisionKey = QStringLiteral("View/vision");

// The values written while the store could not keep them; they outrank the
// store's for the rest of the run. Touched only on the user-interface thread.
QVariantMap &keptForThisRun()
{
    static QVariantMap values;
    return values;
}

std::optional<Problem> storeRefusal()
{
    return RegularFile::notRegular(Settings::storePath());
}

void tellCannotKeep(const Problem &why)
{
    emit SettingsWatch::instance().cannotKeep(Settings::storePath(), why);
}

QVariant value(const QString &key, const QVariant &fallback = {})
{
    if (keptForThisRun().contains(key))
        return keptForThisRun().value(key);
    if (const auto refusal = storeRefusal()) {
        tellCannotKeep(*refusal);
        return fallback;
    }
    return QSettings(Settings::storePath(), QSettings::IniFormat).value(key, fallback);
}

QString read(const QString &key, const QString &fallback)
{
    const QVariant stored = value(key, fallback);
    // A value of another kind (a list, a group where a key should be) is no text.
    return stored.canConvert<QString>() ? stored.toString() : QString();
}

// A value the store already holds is not written again: the language is stored
// at every start, and every write rewrites the whole store and waits for the disk.
// Where the folder cannot take the temporary file of an atomic write, the store
// is written in place rather than not at all.
void write(const QString &key, const QVariant &newValue)
{
    if (keptForThisRun().contains(key) || storeRefusal()) {
        keptForThisRun().insert(key, newValue);
        if (const auto refusal = storeRefusal())
            tellCannotKeep(*refusal);
        return;
    }
    QSettings settings(Settings::storePath(), QSettings::IniFormat);
    if (settings.value(key) == newValue)
        return;
    settings.setAtomicSyncRequired(false);
    settings.setValue(key, newValue);
    settings.sync();
    // A store that did not parse is still written (with what could be read of
    // it); only a file that cannot be written loses the choice. On a full disk
    // the toolkit reports success and leaves an empty file: a store just given
    // a value is never empty.
    if (settings.status() == QSettings::AccessError || QFileInfo(Settings::storePath()).size() == 0) {
        keptForThisRun().insert(key, newValue);
        tellCannotKeep(Problem{Text::CannotBeWritten, {}});
    }
}

} // namespace

QString Settings::storePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + kStoreFile;
}

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
    const double number = read(kConsentKey, QStringLiteral("0")).trimmed().toDouble(&isNumber);
    return isNumber && number == 1;
}

void Settings::storeConsent(bool agreed)
{
    write(kConsentKey, agreed ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList Settings::recentFiles()
{
    const QVariant stored = value(kRecentKey);
    return stored.canConvert<QStringList>() ? stored.toStringList() : QStringList();
}

void Settings::storeRecentFiles(const QStringList &files)
{
    write(kRecentKey, files);
}

PreviewPanes::View Settings::previewView()
{
    PreviewPanes::View view;
    view.phone = read(kViewPhoneKey, QStringLiteral("0")) == u"1";
    view.vision = PreviewPanes::visionFromName(read(kViewVisionKey, QString())).value_or(ColourScience::Vision::Normal);
    return view;
}

void Settings::storePreviewView(const PreviewPanes::View &view)
{
    write(kViewPhoneKey, view.phone ? QStringLiteral("1") : QStringLiteral("0"));
    write(kViewVisionKey, PreviewPanes::visionName(view.vision));
}

QByteArray Settings::windowPlace(const QString &key)
{
    const QVariant stored = value(key, QByteArray());
    return stored.canConvert<QByteArray>() ? stored.toByteArray() : QByteArray();
}

void Settings::storeWindowPlace(const QString &key, const QByteArray &place)
{
    write(key, place);
}

bool Settings::readableForColourBlind()
{
    return value(QStringLiteral("Readability/colourBlind"), QString()).toString() == u"1";
}

void Settings::storeReadableForColourBlind(bool colourBlind)
{
    write(QStringLiteral("Readability/colourBlind"), colourBlind ? QStringLiteral("1") : QStringLiteral("0"));
}

QString Settings::lastFolder()
{
    return value(QStringLiteral("Files/lastFolder"), QString()).toString();
}

void Settings::storeLastFolder(const QString &folder)
{
    if (lastFolder() != folder)
        write(QStringLiteral("Files/lastFolder"), folder);
}

void Settings::forgetUnkept()
{
    keptForThisRun().clear();
}

void Settings::prefetch()
{
    if (!storeRefusal())
        QSettings(storePath(), QSettings::IniFormat).contains(kLanguageKey);
}
