#include "EditorStart.h"

#include "ExitStatus.h"
#include "MainWindow.h"
#include "PreviewPanes.h"
#include "Settings.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QTextStream>

#ifdef VEXLUME_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <future>
#include <thread>

namespace {

bool hasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

int noDisplay()
{
    QTextStream(stderr)
        << "vexlume: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the editor "
           "window cannot open.\n"
           "Run it inside a virtual display (xvfb-run, from Debian's package xvfb):  xvfb-run -a vexlume\n"
           "or use a mode that needs no display:\n"
           "  vexlume --check FILE.col...\n"
           "  vexlume --render [--scale N] [--phone] [--simulate protan|deutan|tritan] [--compare OTHER.col] FILE.col OUT.png\n"
           "  vexlume --render [--scale N] [--phone] [--simulate protan|deutan|tritan] --standard blue|green|red OUT.png\n"
           "  vexlume --contrast [--min-ratio R] [--vision EYES] FILE.col...\n"
           "  vexlume --contrast [--min-ratio R] [--vision EYES] --standard blue|green|red\n"
           "  vexlume --fix [--min-ratio R] [--vision normal|all] IN.col OUT.col\n"
           "  vexlume --derive COLOUR|PICTURE [--dark|--light] [--vision normal|all] [--name NAME] OUT.col\n"
           "  vexlume --thumbnail SIZE IN.col OUT.png\n"
           "  vexlume --help\n";
    return ExitStatus::kFailure;
}

// Before the toolkit exists, while it connects to the display: fontconfig reading
// its configuration and caches (the longest wait of a start), the built-in preview
// pictures and the settings store, none of which needs the toolkit.
void prepareBeforeToolkit()
{
#ifdef VEXLUME_FONTCONFIG
    FcInit();
#endif
    PreviewPanes::builtInPanes();
    Settings::prefetch();
}

// Then, once the toolkit is up and while the window is built: the toolkit's list
// of fonts (the first text waits for it), and the image-format plugins, which Qt
// consults before it reads any picture, even one of its own style's.
void prepareFontsAndPictures()
{
    QFontDatabase::families();
    QImageReader::imageFormat(QStringLiteral(":/panes/pane0.bmp"));
}

} // namespace

int EditorStart::run(int argc, char **argv, const QString &schemeFile, bool platformChosen)
{
    if (!platformChosen && !hasDisplay())
        return noDisplay();
    return runEditor(argc, argv, schemeFile);
}

int EditorStart::runEditor(int argc, char **argv, const QString &schemeFile)
{
    // The menu bar lies inside the window. Offering it to the desktop first would
    // ask some desktops, over the session bus, whether they show menus of their own.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    // What the first frame waits for that needs no window is done on a second
    // thread, in two steps: one before the toolkit exists, one after.
    std::promise<void> toolkitStarted;
    std::thread preparation([started = toolkitStarted.get_future()] {
        prepareBeforeToolkit();
        started.wait();
        prepareFontsAndPictures();
    });
    QApplication app(argc, argv);
    // The desktop matches the window to its entry (and its icon) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.qvx.vexlume"));
    toolkitStarted.set_value();
    MainWindow window;
    window.start();
    window.show();
    // Opened as the open command opens it, over the blue scheme of the start;
    // before the disclaimer is agreed to it waits behind it.
    if (!schemeFile.isEmpty())
        window.openSchemeFile(schemeFile);
    const int status = app.exec();
    preparation.join();
    return status;
}
