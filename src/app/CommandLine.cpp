#include "CommandLine.h"

#include "PreviewPanes.h"
#include "SchemeFile.h"
#include "StandardSchemes.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSaveFile>
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
    const QCommandLineOption renderOption(QStringLiteral("render"),
        QStringLiteral("Draw the six preview screens in the colours of FILE.col (or of a built-in "
                       "scheme, see --standard) into the PNG picture OUT.png. Exit status 1 when "
                       "the scheme does not read cleanly."));
    parser.addOption(renderOption);
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
        QStringLiteral("With --render: enlarge the picture N times, without smoothing (1 to %1).")
            .arg(kMaximumScale),
        QStringLiteral("N"), QStringLiteral("1"));
    parser.addOption(scaleOption);
    const QCommandLineOption standardOption(QStringLiteral("standard"),
        QStringLiteral("With --render: draw the built-in scheme NAME (blue, green or red) instead of a file."),
        QStringLiteral("NAME"));
    parser.addOption(standardOption);
    for (const char *name : kToolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("files"),
        QStringLiteral("Colour scheme files (with --check); FILE.col OUT.png or OUT.png (with --render)."),
        QStringLiteral("[FILE.col...] [OUT.png]"));

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        // No application object exists yet to lend the parser the program's name.
        QTextStream(stdout) << parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                         QStringLiteral("vexlume"));
        return kSuccess;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "vexlume " << versionString() << '\n';
        return kSuccess;
    }

    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(checkOption) && parser.isSet(renderOption))
        return usageError(QStringLiteral("--check and --render cannot be combined"));
    if (!parser.isSet(renderOption) && (parser.isSet(scaleOption) || parser.isSet(standardOption)))
        return usageError(QStringLiteral("--scale and --standard belong to --render"));
    if (parser.isSet(renderOption)) {
        RenderRequest request;
        bool scaleOk = false;
        request.scale = parser.value(scaleOption).toInt(&scaleOk);
        if (!scaleOk || request.scale < 1 || request.scale > kMaximumScale)
            return usageError(QStringLiteral("--scale takes a whole number from 1 to %1").arg(kMaximumScale));
        if (parser.isSet(standardOption)) {
            if (positional.size() != 1)
                return usageError(QStringLiteral("--render --standard NAME takes one output picture"));
            request.standardScheme = parser.value(standardOption);
            if (!StandardSchemes::fromName(request.standardScheme))
                return usageError(QStringLiteral("no built-in scheme '%1' (blue, green or red)")
                                      .arg(request.standardScheme));
            request.output = positional.at(0);
        } else {
            if (positional.size() != 2)
                return usageError(QStringLiteral("--render takes a scheme file and an output picture"));
            request.schemeFile = positional.at(0);
            request.output = positional.at(1);
        }
        QTextStream err(stderr);
        return render(request, err);
    }
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
               "  vexlume --render [--scale N] FILE.col OUT.png\n"
               "  vexlume --render [--scale N] --standard blue|green|red OUT.png\n"
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

int CommandLine::render(const RenderRequest &request, QTextStream &err)
{
    ColourScheme scheme;
    if (request.schemeFile.isEmpty()) {
        scheme.loadStandard(*StandardSchemes::fromName(request.standardScheme));
    } else {
        const SchemeReadResult result = SchemeFile::read(request.schemeFile);
        if (result.status != SchemeReadResult::Status::Complete) {
            err << request.schemeFile << ": " << result.problem() << '\n';
            return kFailure;
        }
        result.applyTo(scheme);
    }

    PreviewPanes panes;
    panes.repaintAll(scheme);
    QImage picture = panes.render();
    if (request.scale > 1) {
        picture = picture.scaled(picture.size() * request.scale, Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
    }
    QSaveFile file(request.output);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        err << request.output << ": the picture cannot be written (" << file.errorString() << ")\n";
        return kFailure;
    }
    return kSuccess;
}

int CommandLine::runEditor(int argc, char **argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    return app.exec();
}
