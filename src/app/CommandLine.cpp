#include "CommandLine.h"

#include "SchemeFile.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include <cstdio>

#include "MainWindow.h"

namespace {

QString versionString()
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(Version::kMajor)
        .arg(Version::kMinor)
        .arg(Version::kBuild)
        .arg(Version::kRevision);
}

// Qt's own platform options, accepted so that "vexlume -platform offscreen" and
// the like still reach the toolkit.
const char *const kToolkitOptions[] = {"platform", "style", "display"};

bool toolkitPlatformChosen(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("platform")) || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

bool hasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

int usageError(const QString &message)
{
    QTextStream err(stderr);
    err << "vexlume: " << message << "\nTry 'vexlume --help' for more information.\n";
    return CommandLine::kUsageError;
}

} // namespace

int CommandLine::run(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("vexlume"));
    QCoreApplication::setApplicationVersion(versionString());

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Colour scheme editor for the Siemens S55.\n"
        "Without arguments it opens the editor window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption checkOption(QStringLiteral("check"),
        QStringLiteral("Read each FILE.col as the editor opens it and report whether it reads "
                       "cleanly. Exit status 0 when all do, 1 otherwise."));
    parser.addOption(checkOption);
    for (const char *name : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("files"),
        QStringLiteral("Colour scheme files (with --check)."), QStringLiteral("[FILE.col...]"));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        QTextStream(stdout) << parser.helpText();
        return kSuccess;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "vexlume " << versionString() << '\n';
        return kSuccess;
    }

    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(checkOption)) {
        if (positional.isEmpty())
            return usageError(QStringLiteral("--check needs at least one file"));
        QTextStream out(stdout);
        return check(positional, out);
    }

    if (!positional.isEmpty())
        return usageError(QStringLiteral("unexpected argument '%1'").arg(positional.first()));
    if (!toolkitPlatformChosen(parser) && !hasDisplay()) {
        QTextStream(stderr)
            << "vexlume: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the editor "
               "window cannot open.\n"
               "Run it inside a virtual display:  xvfb-run -a vexlume\n"
               "or use a mode that needs no display:\n"
               "  vexlume --check FILE.col...\n"
               "  vexlume --help\n";
        return kFailure;
    }
    return runEditor(argc, argv);
}

int CommandLine::check(const QStringList &files, QTextStream &out)
{
    bool allClean = true;
    for (const QString &file : files) {
        const SchemeReadResult result = SchemeFile::read(file);
        out << file << ": ";
        if (result.status == SchemeReadResult::Status::Complete) {
            out << "reads cleanly, scheme "
                << (result.name ? u'"' + *result.name + u'"' : QStringLiteral("without a name")) << '\n';
        } else {
            allClean = false;
            out << result.problem() << '\n';
        }
    }
    out.flush();
    return allClean ? kSuccess : kFailure;
}

int CommandLine::runEditor(int argc, char **argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
