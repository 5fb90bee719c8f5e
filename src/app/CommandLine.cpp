#include "CommandLine.h"

#include "ExitStatus.h"
#include "MainWindow.h"
#include "PictureFile.h"
#include "PreviewPanes.h"
#include "SchemeFile.h"
#include "Settings.h"
#include "StandardSchemes.h"
#include "TerminalText.h"
#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextStream>

#ifdef VEXLUME_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <optional>
#include <thread>
#include <unistd.h>
#include <variant>

namespace {

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
    return ExitStatus::kUsageError;
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

namespace {

// The options the program understands, and a parser that knows them.
struct Options
{
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption check{QStringLiteral("check"),
        QStringLiteral("Read each FILE.col as the editor opens it and report whether it reads "
                       "cleanly. Exit status 0 when all do, 1 otherwise.")};
    QCommandLineOption render{QStringLiteral("render"),
        QStringLiteral("Draw the six preview screens in the colours of FILE.col (or of a built-in "
                       "scheme, see --standard) into the picture OUT.png, in the format its suffix "
                       "names (%1). Exit status 1 when the scheme does not read cleanly.")
            .arg(PictureFile::writableSuffixes().join(QStringLiteral(", ")))};
    QCommandLineOption scale{QStringLiteral("scale"),
        QStringLiteral("With --render: enlarge the picture N times, without smoothing (1 to %1).")
            .arg(CommandLine::kMaximumScale),
        QStringLiteral("N"), QStringLiteral("1")};
    QCommandLineOption phone{QStringLiteral("phone"),
        QStringLiteral("With --render: draw every colour as the phone's 16-bit display shows it.")};
    QCommandLineOption simulate{QStringLiteral("simulate"),
        QStringLiteral("With --render: draw the screens as seen with protanopia (protan), deuteranopia "
                       "(deutan) or tritanopia (tritan); after --phone when both are given."),
        QStringLiteral("VISION")};
    QCommandLineOption compare{QStringLiteral("compare"),
        QStringLiteral("With --render: draw the scheme of OTHER.col beside the first, on the right, and outline "
                       "on both the elements whose colours differ. The picture is twice as wide and 8 pixels "
                       "more."),
        QStringLiteral("OTHER.col")};
    QCommandLineOption standard{QStringLiteral("standard"),
        QStringLiteral("With --render or --contrast: take the built-in scheme NAME (blue, green or red) "
                       "instead of a file."),
        QStringLiteral("NAME")};
    QCommandLineOption contrast{QStringLiteral("contrast"),
        QStringLiteral("Report each pair of colours of FILE.col... (or of a built-in scheme, see --standard) "
                       "that the phone shows with less contrast than it needs: %1:1 for a text on its "
                       "background, %2:1 for a marker (a selection bar, a scroll mark) against what lies "
                       "around it. Pairs whose text the scheme hides are not checked. Exit status 0 when "
                       "every pair reaches its level, 1 otherwise.")
            .arg(Readability::kTextLevel)
            .arg(Readability::kMarkerLevel)};
    QCommandLineOption fix{QStringLiteral("fix"),
        QStringLiteral("Write the scheme of IN.col to OUT.col with every pair of colours (see --contrast) "
                       "brought to its level, changing as few colours as little as it can; the name, the "
                       "check marks and the fourth numbers stay. OUT.col is written whole or not at all. "
                       "Exit status 0 when every pair then reaches its level, 3 when OUT.col is written but "
                       "one cannot, 1 when IN.col does not read cleanly or OUT.col cannot be written.")};
    QCommandLineOption derive{QStringLiteral("derive"),
        QStringLiteral("Write to OUT.col a whole scheme laid out from SOURCE: a colour, in any form a paste "
                       "takes (#3366cc, rgb(51, 102, 204), 3366cc, a colour name), or a picture file (the "
                       "colour a person would name it by, and a second one for selections). Every text then "
                       "stands apart at 7:1 and every marker at 3:1 (at least the level --contrast checks). "
                       "OUT.col is written whole or not at all. Exit status 0 when every pair reaches its "
                       "level, 3 when OUT.col is written but a pair cannot, 1 when SOURCE is neither a colour "
                       "nor a picture that can be read (nothing written)."),
        QStringLiteral("SOURCE")};
    QCommandLineOption thumbnail{QStringLiteral("thumbnail"),
        QStringLiteral("Write the preview screens of IN.col, fitted into SIZE x SIZE pixels (16 to 1024), to "
                       "OUT.png, as file managers show a scheme: enlarged by a whole factor without smoothing "
                       "where they fit more than once. Exit status 1 and no picture when IN.col does not read "
                       "cleanly."),
        QStringLiteral("SIZE")};
    QCommandLineOption dark{QStringLiteral("dark"),
        QStringLiteral("With --derive: dark surfaces and light texts (unless --light is given).")};
    QCommandLineOption light{QStringLiteral("light"), QStringLiteral("With --derive: light surfaces and dark texts.")};
    QCommandLineOption name{QStringLiteral("name"),
        QStringLiteral("With --derive: the scheme's name (the colour's hex or the picture's name unless given), in "
                       "characters a scheme file can hold."),
        QStringLiteral("NAME")};
    QCommandLineOption vision{QStringLiteral("vision"),
        QStringLiteral("With --contrast: the eyes the pairs must reach their level for: normal, protan, "
                       "deutan, tritan or all (normal and the three colour-blind kinds). With --fix: normal "
                       "or all. Normal unless given."),
        QStringLiteral("EYES")};
    QCommandLineOption minRatio{QStringLiteral("min-ratio"),
        QStringLiteral("With --contrast or --fix: the contrast a text needs, a number from 1 to %1 with at "
                       "most one decimal, written with a point (%2 unless given; 7 for the strictest).")
            .arg(Readability::kHighestLevel)
            .arg(Readability::kTextLevel),
        QStringLiteral("R")};

    Options()
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(QStringLiteral(
            "Colour scheme editor for the Siemens S55.\n"
            "Without options it opens the editor window, with FILE.col loaded if given.\n"
            "Names given as values (NAME, VISION) are taken in any case; an option given\n"
            "twice must have the same value both times."));
        parser.addOptions(
            {check, render, scale, phone, simulate, compare, standard, contrast, fix, derive, thumbnail, dark, light, name,
             vision, minRatio});
        for (const char *toolkitOption : kToolkitOptions) {
            QCommandLineOption option(QString::fromLatin1(toolkitOption), QString(), QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
        parser.addPositionalArgument(QStringLiteral("files"),
            QStringLiteral("A colour scheme to open in the editor; files to read (with --check or "
                           "--contrast); FILE.col OUT.png or OUT.png (with --render); IN.col OUT.col (with "
                           "--fix)."),
            QStringLiteral("[FILE.col...] [OUT.png]"));
    }

    // The usage error of an option given more than once with values that differ,
    // if one is. The same value again changes nothing and is taken.
    std::optional<QString> repeatedValue() const
    {
        for (const QCommandLineOption *option :
             {&scale, &simulate, &compare, &standard, &derive, &thumbnail, &name, &vision, &minRatio}) {
            const QStringList values = parser.values(*option);
            for (const QString &value : values) {
                if (!sameValue(value, values.constFirst())) {
                    return QStringLiteral("--%1 is given twice, as '%2' and as '%3'")
                        .arg(option->names().constFirst(), TerminalText::safe(values.constFirst()),
                             TerminalText::safe(value));
                }
            }
        }
        return std::nullopt;
    }

    // Numbers are the same value however written (2 and 02, 4.5 and 4.50); names
    // given as option values (schemes, visions) are taken in any case.
    static bool sameValue(const QString &a, const QString &b)
    {
        bool aNumber = false;
        bool bNumber = false;
        const double x = a.toDouble(&aNumber);
        const double y = b.toDouble(&bNumber);
        if (aNumber && bNumber && std::isfinite(x) && std::isfinite(y))
            return x == y;
        return a.compare(b, Qt::CaseInsensitive) == 0;
    }

    // The render request the arguments make, or the usage error they contain.
    std::variant<Reports::RenderRequest, QString> renderRequest() const
    {
        const QStringList positional = parser.positionalArguments();
        if (positional.contains(QString()))
            return emptyFileName(QStringLiteral("--render"));
        Reports::RenderRequest request;
        bool scaleOk = false;
        request.scale = parser.value(scale).toInt(&scaleOk);
        if (!scaleOk || request.scale < 1 || request.scale > CommandLine::kMaximumScale)
            return QStringLiteral("--scale takes a whole number from 1 to %1").arg(CommandLine::kMaximumScale);
        request.view.phone = parser.isSet(phone);
        request.compareFile = parser.value(compare);
        if (parser.isSet(compare) && request.compareFile.isEmpty())
            return emptyFileName(QStringLiteral("--compare"));
        if (parser.isSet(simulate)) {
            const auto simulated = PreviewPanes::visionFromName(parser.value(simulate).toLower());
            if (!simulated || *simulated == ColourScience::Vision::Normal)
                return QStringLiteral("--simulate takes protan, deutan or tritan, not '%1'")
                    .arg(TerminalText::safe(parser.value(simulate)));
            request.view.vision = *simulated;
        }
        if (parser.isSet(standard)) {
            request.standardScheme = parser.value(standard);
            if (!StandardSchemes::fromName(request.standardScheme))
                return QStringLiteral("no built-in scheme '%1' (blue, green or red)")
                    .arg(TerminalText::safe(request.standardScheme));
            if (positional.size() != 1)
                return QStringLiteral("--render --standard NAME takes one output picture");
            request.output = positional.at(0);
        } else {
            if (positional.size() != 2)
                return QStringLiteral("--render takes a scheme file and an output picture");
            request.schemeFile = positional.at(0);
            request.output = positional.at(1);
        }
        // The picture is written in the format its name promises, or not at all.
        const auto format = PictureFile::formatOfName(request.output);
        if (!format) {
            return QStringLiteral("the output picture's name must end in the suffix of a format --render "
                                  "writes: .%1")
                .arg(PictureFile::writableSuffixes().join(QStringLiteral(", .")));
        }
        request.format = *format;
        return request;
    }

    // The level --min-ratio gives a text, the default one, or the usage error.
    std::variant<double, QString> givenTextLevel() const
    {
        if (!parser.isSet(minRatio))
            return Readability::kTextLevel;
        if (const auto level = textLevel(parser.value(minRatio)))
            return *level;
        return QStringLiteral("--min-ratio takes a number from 1 to %1 with at most one decimal, "
                              "written with a point (as 4.5), not '%2'")
            .arg(Readability::kHighestLevel)
            .arg(TerminalText::safe(parser.value(minRatio)));
    }

    // The eyes --vision names (any of `allowed`), normal ones unless given, or
    // the usage error.
    std::variant<Readability::Eyes, QString> givenEyes(const QString &mode, const QStringList &allowed) const
    {
        using Eyes = Readability::Eyes;
        const QString given = parser.isSet(vision) ? parser.value(vision).toLower() : QStringLiteral("normal");
        static const std::pair<const char *, Eyes> kNames[] = {
            {"normal", Eyes::Normal}, {"protan", Eyes::Protan}, {"deutan", Eyes::Deutan},
            {"tritan", Eyes::Tritan}, {"all", Eyes::All}};
        for (const auto &[known, eyes] : kNames) {
            if (allowed.contains(given) && given == QLatin1String(known))
                return eyes;
        }
        const QString choices = allowed.mid(0, allowed.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ")
                                + allowed.constLast();
        return QStringLiteral("%1 --vision takes %2, not '%3'")
            .arg(mode, choices, TerminalText::safe(parser.value(vision)));
    }

    // The fix request the arguments make, or the usage error they contain.
    std::variant<Reports::FixRequest, QString> fixRequest() const
    {
        Reports::FixRequest request;
        const auto level = givenTextLevel();
        if (const auto *error = std::get_if<QString>(&level))
            return *error;
        request.textLevel = std::get<double>(level);
        const auto eyes = givenEyes(QStringLiteral("--fix"), {QStringLiteral("normal"), QStringLiteral("all")});
        if (const auto *error = std::get_if<QString>(&eyes))
            return *error;
        request.colourBlind = std::get<Readability::Eyes>(eyes) == Readability::Eyes::All;
        const QStringList positional = parser.positionalArguments();
        if (positional.size() != 2)
            return QStringLiteral("--fix takes a scheme file and the file to write");
        if (positional.contains(QString()))
            return emptyFileName(QStringLiteral("--fix"));
        request.input = positional.at(0);
        request.output = positional.at(1);
        return request;
    }

    // The thumbnail request the arguments make, or the usage error they contain.
    std::variant<Reports::ThumbnailRequest, QString> thumbnailRequest() const
    {
        Reports::ThumbnailRequest request;
        bool number = false;
        request.size = parser.value(thumbnail).toInt(&number);
        if (!number || request.size < 16 || request.size > 1024)
            return QStringLiteral("--thumbnail takes a size from 16 to 1024 pixels, not '%1'")
                .arg(TerminalText::safe(parser.value(thumbnail)));
        const QStringList positional = parser.positionalArguments();
        if (positional.size() != 2)
            return QStringLiteral("--thumbnail takes a scheme file and the picture to write");
        if (positional.contains(QString()))
            return emptyFileName(QStringLiteral("--thumbnail"));
        request.schemeFile = positional.at(0);
        request.output = positional.at(1);
        if (QFileInfo(request.output).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) != 0)
            return QStringLiteral("--thumbnail writes a PNG picture: the output's name must end in .png");
        return request;
    }

    // The derive request the arguments make, or the usage error they contain.
    std::variant<Reports::DeriveRequest, QString> deriveRequest() const
    {
        Reports::DeriveRequest request;
        request.source = parser.value(derive);
        if (request.source.isEmpty())
            return QStringLiteral("--derive takes a colour or a picture file, not an empty value");
        if (parser.isSet(dark) && parser.isSet(light))
            return QStringLiteral("--dark and --light cannot be combined");
        request.light = parser.isSet(light);
        const auto eyes = givenEyes(QStringLiteral("--derive"), {QStringLiteral("normal"), QStringLiteral("all")});
        if (const auto *error = std::get_if<QString>(&eyes))
            return *error;
        request.colourBlind = std::get<Readability::Eyes>(eyes) == Readability::Eyes::All;
        request.name = parser.value(name);
        if (const QString refused = SchemeFile::charactersItCannotHold(request.name); !refused.isEmpty()) {
            return QStringLiteral("--name holds characters a scheme file cannot hold: %1")
                .arg(TerminalText::safe(refused));
        }
        const QStringList positional = parser.positionalArguments();
        if (positional.size() != 1)
            return QStringLiteral("--derive takes the scheme file to write");
        if (positional.contains(QString()))
            return emptyFileName(QStringLiteral("--derive"));
        request.output = positional.at(0);
        return request;
    }

    // The contrast request the arguments make, or the usage error they contain.
    std::variant<Reports::ContrastRequest, QString> contrastRequest() const
    {
        Reports::ContrastRequest request;
        const auto level = givenTextLevel();
        if (const auto *error = std::get_if<QString>(&level))
            return *error;
        request.textLevel = std::get<double>(level);
        const auto eyes = givenEyes(QStringLiteral("--contrast"),
                                    {QStringLiteral("normal"), QStringLiteral("protan"), QStringLiteral("deutan"),
                                     QStringLiteral("tritan"), QStringLiteral("all")});
        if (const auto *error = std::get_if<QString>(&eyes))
            return *error;
        request.eyes = std::get<Readability::Eyes>(eyes);
        const QStringList positional = parser.positionalArguments();
        if (parser.isSet(standard)) {
            request.standardScheme = parser.value(standard);
            if (!StandardSchemes::fromName(request.standardScheme))
                return QStringLiteral("no built-in scheme '%1' (blue, green or red)")
                    .arg(TerminalText::safe(request.standardScheme));
            if (!positional.isEmpty())
                return QStringLiteral("--contrast --standard NAME takes no scheme file");
        } else {
            if (positional.isEmpty())
                return QStringLiteral("--contrast needs at least one scheme file");
            if (positional.contains(QString()))
                return emptyFileName(QStringLiteral("--contrast"));
            request.files = positional;
        }
        return request;
    }

    // The level a text needs, as --min-ratio gives it: ratios are shown to one
    // decimal, rounded down, so a level with a finer step could be shown as the
    // very ratio that misses it ("4.5:1, needs 4.5:1" for 4.50000001). With one
    // decimal at most, a ratio below the level is always shown below it. A
    // trailing zero ("4.50") is the same level and taken.
    static std::optional<double> textLevel(const QString &text)
    {
        static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]*?)?0*$"));
        const QRegularExpressionMatch match = number.match(text);
        if (!match.hasMatch() || match.capturedLength(1) > 2)
            return std::nullopt;
        const double level = text.toDouble();
        if (!(level >= 1 && level <= Readability::kHighestLevel))
            return std::nullopt;
        return level;
    }

    // An empty argument names no file: taken for one, it would be opened and fail
    // with the toolkit's own words, or (--render) be taken for "no file: a
    // built-in scheme".
    static QString emptyFileName(const QString &mode)
    {
        return QStringLiteral("%1 takes no empty file name").arg(mode);
    }
};

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

} // namespace

CommandLine::Invocation CommandLine::parse(const QStringList &arguments)
{
    const auto usage = [](const QString &error) {
        Invocation invocation;
        invocation.mode = Mode::UsageError;
        invocation.text = error;
        return invocation;
    };

    Options options;
    const QCommandLineParser &parser = options.parser;
    if (!options.parser.parse(arguments))
        return usage(TerminalText::safe(parser.errorText())); // it quotes what was typed
    Invocation invocation;
    if (parser.isSet(options.help) || parser.isSet(QStringLiteral("help-all"))) {
        invocation.mode = Mode::Help;
        // No application object lends the parser the program's name.
        invocation.text = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("vexlume"));
        return invocation;
    }
    if (parser.isSet(options.version)) {
        invocation.mode = Mode::Version;
        invocation.text = QStringLiteral("vexlume ") + Version::shortText() + u'\n';
        return invocation;
    }

    const bool checking = parser.isSet(options.check);
    const bool rendering = parser.isSet(options.render);
    const bool contrasting = parser.isSet(options.contrast);
    const bool fixing = parser.isSet(options.fix);
    const bool deriving = parser.isSet(options.derive);
    const bool thumbnailing = parser.isSet(options.thumbnail);
    const QStringList positional = parser.positionalArguments();
    QStringList modes;
    for (const QCommandLineOption *mode :
         {&options.check, &options.render, &options.contrast, &options.fix, &options.derive, &options.thumbnail}) {
        if (parser.isSet(*mode))
            modes << QStringLiteral("--") + mode->names().constFirst();
    }
    if (modes.size() > 1)
        return usage(modes.join(QStringLiteral(" and ")) + QStringLiteral(" cannot be combined"));
    if (!rendering && parser.isSet(options.scale))
        return usage(QStringLiteral("--scale belongs to --render"));
    if (!rendering && parser.isSet(options.phone))
        return usage(QStringLiteral("--phone belongs to --render"));
    if (!rendering && parser.isSet(options.simulate))
        return usage(QStringLiteral("--simulate belongs to --render"));
    if (!rendering && parser.isSet(options.compare))
        return usage(QStringLiteral("--compare belongs to --render"));
    if (!rendering && !contrasting && parser.isSet(options.standard))
        return usage(QStringLiteral("--standard belongs to --render or --contrast"));
    if (!contrasting && !fixing && parser.isSet(options.minRatio))
        return usage(QStringLiteral("--min-ratio belongs to --contrast or --fix"));
    if (!contrasting && !fixing && !deriving && parser.isSet(options.vision))
        return usage(QStringLiteral("--vision belongs to --contrast, --fix or --derive"));
    for (const QCommandLineOption *option : {&options.dark, &options.light, &options.name}) {
        if (!deriving && parser.isSet(*option))
            return usage(QStringLiteral("--%1 belongs to --derive").arg(option->names().constFirst()));
    }
    if (const auto repeated = options.repeatedValue())
        return usage(*repeated);
    // The request of a mode the options make, or the usage error they contain.
    const auto take = [&usage, &invocation](Mode mode, const auto &request, auto &into) {
        if (const auto *error = std::get_if<QString>(&request))
            return usage(*error);
        invocation.mode = mode;
        into = std::get<0>(request);
        return invocation;
    };
    if (rendering)
        return take(Mode::Render, options.renderRequest(), invocation.render);
    if (contrasting)
        return take(Mode::Contrast, options.contrastRequest(), invocation.contrast);
    if (fixing)
        return take(Mode::Fix, options.fixRequest(), invocation.fix);
    if (deriving)
        return take(Mode::Derive, options.deriveRequest(), invocation.derive);
    if (thumbnailing)
        return take(Mode::Thumbnail, options.thumbnailRequest(), invocation.thumbnail);
    if (checking) {
        if (positional.isEmpty())
            return usage(QStringLiteral("--check needs at least one file"));
        if (positional.contains(QString()))
            return usage(Options::emptyFileName(QStringLiteral("--check")));
        invocation.mode = Mode::Check;
        invocation.files = positional;
        return invocation;
    }

    // The editor opens one scheme file given to it.
    if (positional.size() > 1)
        return usage(QStringLiteral("the editor opens one scheme file, not %1").arg(positional.size()));
    invocation.mode = Mode::Editor;
    invocation.files = positional;
    invocation.platformChosen = toolkitPlatformChosen(parser);
    return invocation;
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

int CommandLine::run(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("vexlume"));
    QCoreApplication::setApplicationVersion(Version::shortText());

    if (const auto index = firstArgumentNotText(argc, argv)) {
        return usageError(QStringLiteral("argument %1 is not valid text in the system's encoding (%2); "
                                         "rename the file")
                              .arg(*index)
                              .arg(TerminalText::safeBytes(argv[*index])));
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    const Invocation invocation = parse(arguments);
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
    if (!invocation.platformChosen && !hasDisplay())
        return noDisplay();
    return runEditor(argc, argv, invocation.files.value(0));
}

int CommandLine::runEditor(int argc, char **argv, const QString &schemeFile)
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
