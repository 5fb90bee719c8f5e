#include "CommandLine.h"

#include "ExitStatus.h"
#include "Options.h"
#include "TerminalText.h"
#include "Version.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <csignal>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <variant>

namespace {

using Invocation = CommandLine::Invocation;
using Mode = CommandLine::Mode;

// The first argument (counted from 1) whose bytes do not come back from text:
// taken as it decodes, such a file name would lead to another file.
std::optional<int> firstArgumentNotText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QFile::encodeName(QFile::decodeName(bytes)) != bytes)
            return i;
    }
    return std::nullopt;
}

Invocation usage(const QString &error)
{
    Invocation invocation;
    invocation.mode = Mode::UsageError;
    invocation.text = error;
    return invocation;
}

// --help or --version, which are answered whatever else is given.
std::optional<Invocation> helpOrVersion(const Options &options)
{
    Invocation invocation;
    if (options.helpAsked()) {
        invocation.mode = Mode::Help;
        invocation.text = options.helpText();
        return invocation;
    }
    if (options.versionAsked()) {
        invocation.mode = Mode::Version;
        invocation.text = QStringLiteral("vexlume ") + Version::shortText() + u'\n';
        return invocation;
    }
    return std::nullopt;
}

// The mode the options choose, or the usage error of options that choose two
// modes, that belong to a mode not chosen or that say two things.
std::variant<Mode, QString> modeOfOptions(const Options &options)
{
    const auto mode = options.chosenMode();
    if (std::holds_alternative<QString>(mode))
        return mode;
    if (const auto misplaced = options.misplacedOption())
        return *misplaced;
    if (const auto repeated = options.repeatedValue())
        return *repeated;
    return mode;
}

// The invocation of `mode` with the request its options make, or the usage
// error they contain.
template<typename Request>
Invocation asked(Mode mode, const std::variant<Request, QString> &request, Request Invocation::*into)
{
    if (const auto *error = std::get_if<QString>(&request))
        return usage(*error);
    Invocation invocation;
    invocation.mode = mode;
    invocation.*into = std::get<Request>(request);
    return invocation;
}

Invocation requestOfMode(const Options &options, Mode mode)
{
    switch (mode) {
    case Mode::Check:
        return asked(mode, options.givenFiles(mode), &Invocation::files);
    case Mode::Render:
        return asked(mode, options.renderRequest(), &Invocation::render);
    case Mode::Contrast:
        return asked(mode, options.contrastRequest(), &Invocation::contrast);
    case Mode::Fix:
        return asked(mode, options.fixRequest(), &Invocation::fix);
    case Mode::Derive:
        return asked(mode, options.deriveRequest(), &Invocation::derive);
    case Mode::Thumbnail:
        return asked(mode, options.thumbnailRequest(), &Invocation::thumbnail);
    case Mode::Editor:
    case Mode::Help: // answered before a mode is chosen
    case Mode::Version:
    case Mode::UsageError:
        break;
    }
    // The editor opens one scheme file given to it.
    Invocation invocation = asked(Mode::Editor, options.givenFiles(Mode::Editor), &Invocation::files);
    if (invocation.mode == Mode::Editor)
        invocation.platformChosen = options.toolkitPlatformChosen();
    return invocation;
}

int usageError(const QString &message)
{
    QTextStream err(stderr);
    err << "vexlume: " << message << "\nTry 'vexlume --help' for more information.\n";
    return ExitStatus::kUsageError;
}

} // namespace

CommandLine::Invocation CommandLine::parse(const QStringList &arguments)
{
    Options options;
    if (const auto error = options.take(arguments))
        return usage(*error);
    if (const auto answer = helpOrVersion(options))
        return *answer;
    const auto mode = modeOfOptions(options);
    if (const auto *error = std::get_if<QString>(&mode))
        return usage(*error);
    return requestOfMode(options, std::get<Mode>(mode));
}

CommandLine::Invocation CommandLine::read(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("vexlume"));
    QCoreApplication::setApplicationVersion(Version::shortText());

    if (const auto index = firstArgumentNotText(argc, argv)) {
        return usage(QStringLiteral("argument %1 is not valid text in the system's encoding (%2); "
                                    "rename the file")
                         .arg(*index)
                         .arg(TerminalText::safeBytes(argv[*index])));
    }
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return parse(arguments);
}

void CommandLine::prepareProcess()
{
    // Started with standard output or error closed (">&-"), the next file opened
    // would take its number, and what is written to it would land in that file
    // (a report in a scheme being read, a warning in a picture being written).
    // A descriptor open only for reading keeps the number taken and fails every
    // write, which the modes report.
    for (const int descriptor : {STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(descriptor, F_GETFD) == -1) {
            const int placeholder = ::open("/dev/null", O_RDONLY);
            if (placeholder >= 0 && placeholder != descriptor) {
                ::dup2(placeholder, descriptor);
                ::close(placeholder);
            }
        }
    }
#ifdef SIGXFSZ
    // A write beyond the file size limit (ulimit -f) would end the program without
    // a word, and with it an unsaved scheme. Ignored, the write fails with EFBIG
    // and reaches the user as any failed save does, the old file untouched.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

int CommandLine::run(const Invocation &invocation)
{
    switch (invocation.mode) {
    case Mode::UsageError:
        return usageError(invocation.text);
    case Mode::Help:
    case Mode::Version: {
        QTextStream out(stdout);
        out << invocation.text;
        return Reports::finishOutput(out, ExitStatus::kSuccess);
    }
    case Mode::Check: {
        QTextStream out(stdout);
        return Reports::finishOutput(out, Reports::check(invocation.files, out));
    }
    case Mode::Render: {
        QTextStream err(stderr);
        return Reports::render(invocation.render, err);
    }
    case Mode::Contrast: {
        QTextStream out(stdout);
        return Reports::finishOutput(out, Reports::contrast(invocation.contrast, out));
    }
    case Mode::Fix: {
        QTextStream out(stdout);
        return Reports::finishOutput(out, Reports::fix(invocation.fix, out));
    }
    case Mode::Thumbnail: {
        QTextStream err(stderr);
        return Reports::thumbnail(invocation.thumbnail, err);
    }
    case Mode::Derive: {
        QTextStream out(stdout);
        return Reports::finishOutput(out, Reports::derive(invocation.derive, out));
    }
    case Mode::Editor:
        break;
    }
    return ExitStatus::kFailure;
}
