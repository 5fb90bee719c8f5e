#include "Options.h"

#include "PictureFile.h"
#include "PreviewPanes.h"
#include "SchemeFile.h"
#include "StandardSchemes.h"
#include "TerminalText.h"
#include "WholeSchemeCommands.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using Mode = CommandLine::Mode;

// Qt's own platform options, accepted so that "vexlume -platform offscreen" and
// the like still reach the toolkit.
const char *const kToolkitOptions[] = {"platform", "style", "display"};

// Which modes each option that is no mode of its own belongs to, in the order
// a misplaced one is looked for. Given without any of them, it is a usage error
// that names them.
struct Belonging
{
    const char *option;
    std::vector<Mode> modes;
};
const Belonging kBelongings[] = {
    {"scale", {Mode::Render}},
    {"phone", {Mode::Render}},
    {"simulate", {Mode::Render}},
    {"compare", {Mode::Render}},
    {"standard", {Mode::Render, Mode::Contrast}},
    {"min-ratio", {Mode::Contrast, Mode::Fix}},
    {"vision", {Mode::Contrast, Mode::Fix, Mode::Derive}},
    {"dark", {Mode::Derive}},
    {"light", {Mode::Derive}},
    {"name", {Mode::Derive}},
};

// The files each mode takes as its positional arguments (with --standard, where
// a built-in scheme takes the place of a file), and what it says when given
// another number of them. A mode checks them after its own values, and before
// what the files' names must say (the suffix of a picture to write).
constexpr int kAnyNumber = INT_MAX;
struct FilesTaken
{
    Mode mode;
    bool standard;
    int least;
    int most;
    const char *wrongNumber; // %1, where it appears, is the number given
};
const FilesTaken kFilesTaken[] = {
    {Mode::Editor, false, 0, 1, "the editor opens one scheme file, not %1"},
    {Mode::Check, false, 1, kAnyNumber, "--check needs at least one file"},
    {Mode::Render, false, 2, 2, "--render takes a scheme file and an output picture"},
    {Mode::Render, true, 1, 1, "--render --standard NAME takes one output picture"},
    {Mode::Contrast, false, 1, kAnyNumber, "--contrast needs at least one scheme file"},
    {Mode::Contrast, true, 0, 0, "--contrast --standard NAME takes no scheme file"},
    {Mode::Fix, false, 2, 2, "--fix takes a scheme file and the file to write"},
    {Mode::Derive, false, 1, 1, "--derive takes the scheme file to write"},
    {Mode::Thumbnail, false, 2, 2, "--thumbnail takes a scheme file and the picture to write"},
};

// An empty argument names no file: taken for one, it would be opened and fail
// with the toolkit's own words, or (--render) be taken for "no file: a built-in
// scheme".
QString emptyFileName(const QString &taker)
{
    return QStringLiteral("%1 takes no empty file name").arg(taker);
}

// "a", "a or b", "a, b or c".
QString alternatives(const QStringList &choices)
{
    if (choices.size() < 2)
        return choices.join(QString());
    return choices.mid(0, choices.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" or ")
           + choices.constLast();
}

} // namespace

Options::Options()
    : check{QStringLiteral("check"),
          QStringLiteral("Read each FILE.col as the editor opens it and report whether it reads "
                         "cleanly. Exit status 0 when all do, 1 otherwise.")},
      render{QStringLiteral("render"),
          QStringLiteral("Draw the six preview screens in the colours of FILE.col (or of a built-in "
                         "scheme, see --standard) into the picture OUT.png, in the format its suffix "
                         "names (%1). Exit status 1 when the scheme does not read cleanly.")
              .arg(PictureFile::writableSuffixes().join(QStringLiteral(", ")))},
      scale{QStringLiteral("scale"),
          QStringLiteral("With --render: enlarge the picture N times, without smoothing (1 to %1).")
              .arg(CommandLine::kMaximumScale),
          QStringLiteral("N"), QStringLiteral("1")},
      phone{QStringLiteral("phone"),
          QStringLiteral("With --render: draw every colour as the phone's 16-bit display shows it.")},
      simulate{QStringLiteral("simulate"),
          QStringLiteral("With --render: draw the screens as seen with protanopia (protan), deuteranopia "
                         "(deutan) or tritanopia (tritan); after --phone when both are given."),
          QStringLiteral("VISION")},
      compare{QStringLiteral("compare"),
          QStringLiteral("With --render: draw the scheme of OTHER.col beside the first, on the right, and outline "
                         "on both the elements whose colours differ. The picture is twice as wide and 8 pixels "
                         "more."),
          QStringLiteral("OTHER.col")},
      standard{QStringLiteral("standard"),
          QStringLiteral("With --render or --contrast: take the built-in scheme NAME (blue, green or red) "
                         "instead of a file."),
          QStringLiteral("NAME")},
      contrast{QStringLiteral("contrast"),
          QStringLiteral("Report each pair of colours of FILE.col... (or of a built-in scheme, see --standard) "
                         "that the phone shows with less contrast than it needs: %1:1 for a text on its "
                         "background, %2:1 for a marker (a selection bar, a scroll mark) against what lies "
                         "around it. Pairs whose text the scheme hides are not checked. Exit status 0 when "
                         "every pair reaches its level, 1 otherwise.")
              .arg(Readability::kTextLevel)
              .arg(Readability::kMarkerLevel)},
      fix{QString::fromLatin1(WholeSchemeCommands::row(WholeSchemeCommands::Id::FixAll).commandLine),
          QStringLiteral("Write the scheme of IN.col to OUT.col with every pair of colours (see --contrast) "
                         "brought to its level, changing as few colours as little as it can; the name, the "
                         "check marks and the fourth numbers stay. OUT.col is written whole or not at all. "
                         "Exit status 0 when every pair then reaches its level, 3 when OUT.col is written but "
                         "one cannot, 1 when IN.col does not read cleanly or OUT.col cannot be written.")},
      derive{QString::fromLatin1(WholeSchemeCommands::row(WholeSchemeCommands::Id::DeriveFromColour).commandLine),
          QStringLiteral("Write to OUT.col a whole scheme laid out from SOURCE: a colour, in any form a paste "
                         "takes (#3366cc, rgb(51, 102, 204), 3366cc, a colour name), or a picture file (the "
                         "colour a person would name it by, and a second one for selections). Every text then "
                         "stands apart at 7:1 and every marker at 3:1 (at least the level --contrast checks). "
                         "OUT.col is written whole or not at all. Exit status 0 when every pair reaches its "
                         "level, 3 when OUT.col is written but a pair cannot, 1 when SOURCE is neither a colour "
                         "nor a picture that can be read (nothing written)."),
          QStringLiteral("SOURCE")},
      thumbnail{QStringLiteral("thumbnail"),
          QStringLiteral("Write the preview screens of IN.col, fitted into SIZE x SIZE pixels (16 to 1024), to "
                         "OUT.png, as file managers show a scheme: enlarged by a whole factor without smoothing "
                         "where they fit more than once. Exit status 1 and no picture when IN.col does not read "
                         "cleanly."),
          QStringLiteral("SIZE")},
      dark{QStringLiteral("dark"),
          QStringLiteral("With --derive: dark surfaces and light texts (unless --light is given).")},
      light{QStringLiteral("light"), QStringLiteral("With --derive: light surfaces and dark texts.")},
      name{QStringLiteral("name"),
          QStringLiteral("With --derive: the scheme's name (the colour's hex or the picture's name unless given), in "
                         "characters a scheme file can hold."),
          QStringLiteral("NAME")},
      vision{QStringLiteral("vision"),
          QStringLiteral("With --contrast: the eyes the pairs must reach their level for: normal, protan, "
                         "deutan, tritan or all (normal and the three colour-blind kinds). With --fix: normal "
                         "or all. Normal unless given."),
          QStringLiteral("EYES")},
      minRatio{QStringLiteral("min-ratio"),
          QStringLiteral("With --contrast or --fix: the contrast a text needs, a number from 1 to %1 with at "
                         "most one decimal, written with a point (%2 unless given; 7 for the strictest).")
              .arg(Readability::kHighestLevel)
              .arg(Readability::kTextLevel),
          QStringLiteral("R")}
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

std::optional<QString> Options::take(const QStringList &arguments)
{
    if (!parser.parse(arguments))
        return TerminalText::safe(parser.errorText());
    return std::nullopt;
}

bool Options::helpAsked() const
{
    return parser.isSet(help) || parser.isSet(QStringLiteral("help-all"));
}

bool Options::versionAsked() const
{
    return parser.isSet(version);
}

QString Options::helpText() const
{
    return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("vexlume"));
}

// The option that chooses a mode; none chooses the editor.
const QCommandLineOption *Options::modeOption(Mode mode) const
{
    switch (mode) {
    case Mode::Check:
        return &check;
    case Mode::Render:
        return &render;
    case Mode::Contrast:
        return &contrast;
    case Mode::Fix:
        return &fix;
    case Mode::Derive:
        return &derive;
    case Mode::Thumbnail:
        return &thumbnail;
    case Mode::Editor:
    case Mode::Help:
    case Mode::Version:
    case Mode::UsageError:
        break;
    }
    return nullptr;
}

QString Options::modeName(Mode mode) const
{
    const QCommandLineOption *option = modeOption(mode);
    return option ? QStringLiteral("--") + option->names().constFirst() : QString();
}

std::variant<Mode, QString> Options::chosenMode() const
{
    Mode chosen = Mode::Editor;
    QStringList given; // in the order a usage error names them
    for (const Mode mode : {Mode::Check, Mode::Render, Mode::Contrast, Mode::Fix, Mode::Derive, Mode::Thumbnail}) {
        if (parser.isSet(*modeOption(mode))) {
            chosen = mode;
            given << modeName(mode);
        }
    }
    if (given.size() > 1)
        return given.join(QStringLiteral(" and ")) + QStringLiteral(" cannot be combined");
    return chosen;
}

std::optional<QString> Options::misplacedOption() const
{
    for (const Belonging &belonging : kBelongings) {
        const QString option = QString::fromLatin1(belonging.option);
        if (!parser.isSet(option))
            continue;
        QStringList modes;
        bool withItsMode = false;
        for (const Mode mode : belonging.modes) {
            modes << modeName(mode);
            withItsMode = withItsMode || parser.isSet(*modeOption(mode));
        }
        if (!withItsMode)
            return QStringLiteral("--%1 belongs to %2").arg(option, alternatives(modes));
    }
    return std::nullopt;
}

std::optional<QString> Options::repeatedValue() const
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
bool Options::sameValue(const QString &a, const QString &b)
{
    bool aNumber = false;
    bool bNumber = false;
    const double x = a.toDouble(&aNumber);
    const double y = b.toDouble(&bNumber);
    if (aNumber && bNumber && std::isfinite(x) && std::isfinite(y))
        return x == y;
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The number of files is checked before their names.
std::variant<QStringList, QString> Options::givenFiles(Mode mode) const
{
    const bool standardScheme = parser.isSet(standard);
    const auto taken = std::find_if(std::begin(kFilesTaken), std::end(kFilesTaken), [&](const FilesTaken &row) {
        return row.mode == mode && row.standard == standardScheme;
    });
    Q_ASSERT(taken != std::end(kFilesTaken));
    const QStringList positional = parser.positionalArguments();
    const int given = int(positional.size());
    if (given < taken->least || given > taken->most) {
        const QString wrongNumber = QString::fromLatin1(taken->wrongNumber);
        return wrongNumber.contains(QStringLiteral("%1")) ? wrongNumber.arg(given) : wrongNumber;
    }
    if (const auto empty = emptyFileGiven(mode))
        return *empty;
    return positional;
}

// The usage error of an empty file name given to `mode`, if one is. The editor
// alone takes an empty name, and opens no file.
std::optional<QString> Options::emptyFileGiven(Mode mode) const
{
    if (mode != Mode::Editor && parser.positionalArguments().contains(QString()))
        return emptyFileName(modeName(mode));
    return std::nullopt;
}

// The usage error of a --standard that names no built-in scheme, if it does not.
std::optional<QString> Options::unknownStandardScheme() const
{
    const QString scheme = parser.value(standard);
    if (StandardSchemes::fromName(scheme))
        return std::nullopt;
    return QStringLiteral("no built-in scheme '%1' (blue, green or red)").arg(TerminalText::safe(scheme));
}

std::variant<Reports::RenderRequest, QString> Options::renderRequest() const
{
    // Before anything else: without a file a render takes a built-in scheme.
    if (const auto empty = emptyFileGiven(Mode::Render))
        return *empty;
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
        if (const auto unknown = unknownStandardScheme())
            return *unknown;
        request.standardScheme = parser.value(standard);
    }
    const auto files = givenFiles(Mode::Render);
    if (const auto *error = std::get_if<QString>(&files))
        return *error;
    const QStringList &positional = std::get<QStringList>(files);
    if (parser.isSet(standard)) {
        request.output = positional.at(0);
    } else {
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
std::variant<double, QString> Options::givenTextLevel() const
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

// The level a text needs, as --min-ratio gives it: ratios are shown to one
// decimal, rounded down, so a level with a finer step could be shown as the
// very ratio that misses it ("4.5:1, needs 4.5:1" for 4.50000001). With one
// decimal at most, a ratio below the level is always shown below it. A
// trailing zero ("4.50") is the same level and taken.
std::optional<double> Options::textLevel(const QString &text)
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

// The eyes --vision names (any of `allowed`), normal ones unless given, or the
// usage error of `mode`.
std::variant<Readability::Eyes, QString> Options::givenEyes(Mode mode, const QStringList &allowed) const
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
    return QStringLiteral("%1 --vision takes %2, not '%3'")
        .arg(modeName(mode), alternatives(allowed), TerminalText::safe(parser.value(vision)));
}

std::variant<Reports::ContrastRequest, QString> Options::contrastRequest() const
{
    Reports::ContrastRequest request;
    const auto level = givenTextLevel();
    if (const auto *error = std::get_if<QString>(&level))
        return *error;
    request.textLevel = std::get<double>(level);
    const auto eyes = givenEyes(Mode::Contrast,
                                {QStringLiteral("normal"), QStringLiteral("protan"), QStringLiteral("deutan"),
                                 QStringLiteral("tritan"), QStringLiteral("all")});
    if (const auto *error = std::get_if<QString>(&eyes))
        return *error;
    request.eyes = std::get<Readability::Eyes>(eyes);
    if (parser.isSet(standard)) {
        if (const auto unknown = unknownStandardScheme())
            return *unknown;
        request.standardScheme = parser.value(standard);
    }
    const auto files = givenFiles(Mode::Contrast);
    if (const auto *error = std::get_if<QString>(&files))
        return *error;
    request.files = std::get<QStringList>(files);
    return request;
}

std::variant<Reports::FixRequest, QString> Options::fixRequest() const
{
    Reports::FixRequest request;
    const auto level = givenTextLevel();
    if (const auto *error = std::get_if<QString>(&level))
        return *error;
    request.textLevel = std::get<double>(level);
    const auto eyes = givenEyes(Mode::Fix, {QStringLiteral("normal"), QStringLiteral("all")});
    if (const auto *error = std::get_if<QString>(&eyes))
        return *error;
    request.colourBlind = std::get<Readability::Eyes>(eyes) == Readability::Eyes::All;
    const auto files = givenFiles(Mode::Fix);
    if (const auto *error = std::get_if<QString>(&files))
        return *error;
    request.input = std::get<QStringList>(files).at(0);
    request.output = std::get<QStringList>(files).at(1);
    return request;
}

std::variant<Reports::ThumbnailRequest, QString> Options::thumbnailRequest() const
{
    Reports::ThumbnailRequest request;
    bool number = false;
    request.size = parser.value(thumbnail).toInt(&number);
    if (!number || request.size < 16 || request.size > 1024)
        return QStringLiteral("--thumbnail takes a size from 16 to 1024 pixels, not '%1'")
            .arg(TerminalText::safe(parser.value(thumbnail)));
    const auto files = givenFiles(Mode::Thumbnail);
    if (const auto *error = std::get_if<QString>(&files))
        return *error;
    request.schemeFile = std::get<QStringList>(files).at(0);
    request.output = std::get<QStringList>(files).at(1);
    if (QFileInfo(request.output).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) != 0)
        return QStringLiteral("--thumbnail writes a PNG picture: the output's name must end in .png");
    return request;
}

std::variant<Reports::DeriveRequest, QString> Options::deriveRequest() const
{
    Reports::DeriveRequest request;
    request.source = parser.value(derive);
    if (request.source.isEmpty())
        return QStringLiteral("--derive takes a colour or a picture file, not an empty value");
    if (parser.isSet(dark) && parser.isSet(light))
        return QStringLiteral("--dark and --light cannot be combined");
    request.light = parser.isSet(light);
    const auto eyes = givenEyes(Mode::Derive, {QStringLiteral("normal"), QStringLiteral("all")});
    if (const auto *error = std::get_if<QString>(&eyes))
        return *error;
    request.colourBlind = std::get<Readability::Eyes>(eyes) == Readability::Eyes::All;
    request.name = parser.value(name);
    if (const QString refused = SchemeFile::charactersItCannotHold(request.name); !refused.isEmpty()) {
        return QStringLiteral("--name holds characters a scheme file cannot hold: %1")
            .arg(TerminalText::safe(refused));
    }
    const auto files = givenFiles(Mode::Derive);
    if (const auto *error = std::get_if<QString>(&files))
        return *error;
    request.output = std::get<QStringList>(files).at(0);
    return request;
}

bool Options::toolkitPlatformChosen() const
{
    return parser.isSet(QStringLiteral("platform")) || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
