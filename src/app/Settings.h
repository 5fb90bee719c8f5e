#pragma once

#include "Languages.h"
#include "PreviewPanes.h"
#include "Problem.h"

#include <QObject>
#include <QString>

// What the program keeps in the user's settings store, under the application
// name QVX_VXL: in group "Reg", both as strings, "version" (the code of the
// interface language) and "RegDone" (the consent to the disclaimer, "1" or "0");
// apart from them, in groups of the program's own, the recent files, the
// preview's view, the readability window's place and the last folder.
//
// The store is one file (QVX_VXL.conf in the user's configuration folder), read
// and written only while it is a regular file or absent: a FIFO would block the
// start, and a link onto a device would have the device written. A store that
// is no regular file, or that cannot be written, leaves the program with the
// fall-backs and the choices of this run, which are kept in memory until it ends.
class Settings
{
public:
    // The language to start in: the stored code matched exactly; nothing stored
    // means German, anything else English.
    static Language startLanguage();
    static void storeLanguage(Language language);

    // Whether the user agreed to the disclaimer: "RegDone" read as a number
    // equals 1. A value that is no number at all counts as not agreed.
    static bool hasConsent();
    static void storeConsent(bool agreed);

    // The schemes last opened or saved, kept under a group of the program's
    // own ("Recent/files"), apart from the "Reg" group above.
    static QStringList recentFiles();
    static void storeRecentFiles(const QStringList &files);

    // How the preview panes are drawn, kept as "View/phone" ("1" or "0") and
    // "View/vision" (a vision's name); anything else reads as the plain view.
    static PreviewPanes::View previewView();
    static void storePreviewView(const PreviewPanes::View &view);

    // Where a window of its own was last, as QWidget::saveGeometry() gives it,
    // kept under the window's key ("Readability/geometry", "History/geometry");
    // empty while nothing is kept.
    static QByteArray windowPlace(const QString &key);
    // Whether the readability check covers colour-blind eyes too, kept as
    // "Readability/colourBlind" (1 or 0); off while nothing is kept.
    static bool readableForColourBlind();
    static void storeReadableForColourBlind(bool colourBlind);
    static void storeWindowPlace(const QString &key, const QByteArray &place);
    // The folder of the file last opened or saved, kept as "Files/lastFolder";
    // empty while nothing is kept.
    static QString lastFolder();
    static void storeLastFolder(const QString &folder);

    // Reads the store once, so that the reads of the start find it read. Safe
    // on any thread, also before the application object exists.
    static void prefetch();

    // The store's file.
    static QString storePath();
    // Drops the choices held in memory for a store that could not keep them, as
    // a new process would start (for tests that start afresh in one process).
    static void forgetUnkept();
};
