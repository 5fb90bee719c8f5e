#include "Reports.h"

#include "ColourScheme.h"
#include "ColourText.h"
#include "Derive.h"
#include "ElementCatalogue.h"
#include "PictureFile.h"
#include "ExitStatus.h"
#include "Problem.h"
#include "ReadableFix.h"
#include "RegularFile.h"
#include "SchemeFile.h"
#include "StandardSchemes.h"
#include "TerminalText.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <cstdio>
#include <variant>

namespace Reports {

namespace {

// The command line speaks English, whatever the editor's language.
constexpr Language kTerminalLanguage = Language::English;

void writeLine(QTextStream &stream, const QString &text)
{
    stream << TerminalText::safe(text) << '\n';
}

// A name --standard accepted.
ColourScheme builtInScheme(const QString &name)
{
    ColourScheme scheme;
    scheme.loadStandard(*StandardSchemes::fromName(name));
    return scheme;
}

// An element as the reports name it: its number and its name.
QString elementText(int number)
{
    return QStringLiteral("%1 \"%2\"").arg(QString::number(number), ElementCatalogue::name(kTerminalLanguage, number));
}

// A pair's text as the reports name it: an element, or one of the phone's drawings.
QString textText(const Readability::Pair &pair)
{
    return Readability::isDrawing(pair.text) ? Readability::textName(kTerminalLanguage, pair, false)
                                             : elementText(pair.text);
}

// A pair's background as the reports name it: an element, or the phone's page.
QString backgroundText(const Readability::Pair &pair)
{
    return pair.background == Readability::kWhitePage ? Readability::backgroundName(kTerminalLanguage, pair, false)
                                                      : elementText(pair.background);
}

// A scheme as the phone shows it from a file read cleanly: the phone hides the
// elements whose fourth number is 0 (the editor keeps its own marks instead).
ColourScheme phoneScheme(const SchemeReadResult &result)
{
    ColourScheme scheme;
    result.applyTo(scheme);
    for (int element = 1; element <= kElementCount; ++element)
        scheme.setVisible(element, result.table[std::size_t(element - 1)].brightness != 0);
    return scheme;
}

// Reports one scheme's pairs below their level; true when there are none.
bool reportContrast(QTextStream &out, const QString &label, const ColourScheme &scheme, double textLevel,
                    Readability::Eyes eyes)
{
    int checked = 0;
    int below = 0;
    for (const Readability::Verdict &verdict : Readability::evaluate(scheme, textLevel, eyes)) {
        checked += verdict.checked;
        if (!verdict.isBelowLevel())
            continue;
        ++below;
        // One arg() for all, so that a "%1" in a file name stays as it is.
        writeLine(out, QStringLiteral("%1: %2 on %3: %4:1, needs %5:1")
                           .arg(label, textText(verdict.pair), backgroundText(verdict.pair),
                                Readability::ratioText(verdict.worstRatio()), QString::number(verdict.level)));
    }
    const int unchecked = int(Readability::pairs().size()) - checked;
    writeLine(out, QStringLiteral("%1: %2 %3 checked, %4 below their level, %5 not checked")
                       .arg(label, QString::number(checked),
                            checked == 1 ? QStringLiteral("pair") : QStringLiteral("pairs"), QString::number(below),
                            QString::number(unchecked)));
    return below == 0;
}

} // namespace

int check(const QStringList &files, QTextStream &out)
{
    bool allClean = true;
    for (const QString &file : files) {
        const SchemeReadResult result = SchemeFile::read(file);
        QString verdict;
        if (result.status == SchemeReadResult::Status::Complete) {
            verdict = QStringLiteral("reads cleanly, scheme ")
                      + (result.name ? u'"' + *result.name + u'"' : QStringLiteral("without a name"));
        } else {
            allClean = false;
            verdict = result.problem(kTerminalLanguage);
        }
        writeLine(out, file + QStringLiteral(": ") + verdict);
    }
    out.flush();
    return allClean ? ExitStatus::kSuccess : ExitStatus::kFailure;
}

namespace {

// The scheme a picture is drawn from: a file read cleanly (which must not be
// the picture's own file), or a built-in one; the problem where there is none.
std::variant<ColourScheme, QString> schemeToDraw(const QString &schemeFile, const QString &standardScheme,
                                                 const QString &output)
{
    ColourScheme scheme;
    if (schemeFile.isEmpty())
        return builtInScheme(standardScheme);
    if (RegularFile::isSameFile(schemeFile, output))
        return output + QStringLiteral(": ") + Problem{Text::WouldReplaceScheme, {}}.words(kTerminalLanguage);
    const SchemeReadResult result = SchemeFile::read(schemeFile);
    if (result.status != SchemeReadResult::Status::Complete)
        return schemeFile + QStringLiteral(": ") + result.problem(kTerminalLanguage);
    result.applyTo(scheme);
    return scheme;
}

// The picture in the format, whole or not at all (or into the file itself, for
// a thumbnail); the problem where it is not written.
std::optional<QString> writePicture(const QImage &picture, const QByteArray &format, const QString &output,
                                    bool intoTheFile = false)
{
    const auto encoded = PictureFile::encode(picture, format);
    const auto problem = !encoded    ? std::optional(Problem{Text::PictureNotEncoded, {}})
                         : intoTheFile ? RegularFile::writeInto(output, *encoded)
                                       : RegularFile::write(output, *encoded);
    if (problem)
        return output + QStringLiteral(": ") + problem->words(kTerminalLanguage);
    return std::nullopt;
}

// The six screens in the scheme's colours.
QImage screensOf(const ColourScheme &scheme)
{
    PreviewPanes panes;
    panes.repaintAll(scheme);
    return panes.render();
}

// Two schemes side by side, the first on the left, the elements whose colours
// differ outlined on both.
QImage sideBySide(const ColourScheme &left, const ColourScheme &right)
{
    QImage one = screensOf(left);
    QImage other = screensOf(right);
    const PreviewPanes panes;
    panes.outlineDifferences(one, left, right);
    panes.outlineDifferences(other, left, right);
    QImage both(one.width() * 2 + PreviewPanes::kCompareGap, one.height(), QImage::Format_RGB888);
    both.fill(PreviewPanes::kFrame);
    QPainter painter(&both);
    painter.drawImage(0, 0, one);
    painter.drawImage(one.width() + PreviewPanes::kCompareGap, 0, other);
    return both;
}

} // namespace

int render(const RenderRequest &request, QTextStream &err)
{
    const auto scheme = schemeToDraw(request.schemeFile, request.standardScheme, request.output);
    if (const auto *problem = std::get_if<QString>(&scheme)) {
        writeLine(err, *problem);
        return ExitStatus::kFailure;
    }
    QImage picture = screensOf(std::get<ColourScheme>(scheme));
    if (!request.compareFile.isEmpty()) {
        const auto other = schemeToDraw(request.compareFile, QString(), request.output);
        if (const auto *problem = std::get_if<QString>(&other)) {
            writeLine(err, *problem);
            return ExitStatus::kFailure;
        }
        picture = sideBySide(std::get<ColourScheme>(scheme), std::get<ColourScheme>(other));
    }
    if (!request.view.isPlain())
        picture = PreviewPanes::viewed(picture, request.view);
    if (request.scale > 1)
        picture = PreviewPanes::enlarged(picture, request.scale);
    if (const auto problem = writePicture(picture, request.format, request.output)) {
        writeLine(err, *problem);
        return ExitStatus::kFailure;
    }
    return ExitStatus::kSuccess;
}

int thumbnail(const ThumbnailRequest &request, QTextStream &err)
{
    const auto scheme = schemeToDraw(request.schemeFile, QString(), request.output);
    if (const auto *problem = std::get_if<QString>(&scheme)) {
        writeLine(err, *problem);
        return ExitStatus::kFailure;
    }
    QImage picture = screensOf(std::get<ColourScheme>(scheme));
    const QSize room(request.size, request.size);
    const int whole = std::min(room.width() / picture.width(), room.height() / picture.height());
    picture = whole >= 1 ? PreviewPanes::enlarged(picture, whole)
                         : picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // A thumbnail service makes the output file and reads the picture back
    // through the descriptor it holds: the picture goes into that file itself.
    if (const auto problem = writePicture(picture, "png", request.output, true)) {
        writeLine(err, *problem);
        return ExitStatus::kFailure;
    }
    return ExitStatus::kSuccess;
}

int contrast(const ContrastRequest &request, QTextStream &out)
{
    bool allReach = true;
    if (request.files.isEmpty()) {
        allReach = reportContrast(out, QStringLiteral("built-in ") + request.standardScheme.toLower(),
                                  builtInScheme(request.standardScheme), request.textLevel, request.eyes);
    }
    for (const QString &file : request.files) {
        const SchemeReadResult result = SchemeFile::read(file);
        if (result.status != SchemeReadResult::Status::Complete) {
            writeLine(out, file + QStringLiteral(": ") + result.problem(kTerminalLanguage));
            allReach = false;
            continue;
        }
        allReach = reportContrast(out, file, phoneScheme(result), request.textLevel, request.eyes) && allReach;
    }
    out.flush();
    return allReach ? ExitStatus::kSuccess : ExitStatus::kFailure;
}

int fix(const FixRequest &request, QTextStream &out)
{
    const SchemeReadResult result = SchemeFile::read(request.input);
    if (result.status != SchemeReadResult::Status::Complete) {
        writeLine(out, request.input + QStringLiteral(": ") + result.problem(kTerminalLanguage));
        return ExitStatus::kFailure;
    }
    const ColourScheme scheme = phoneScheme(result);
    const ReadableFix::FixAll fixed = ReadableFix::fixAll(scheme, request.textLevel, request.colourBlind);
    if (const auto problem = SchemeFile::save(fixed.scheme, request.output, SchemeFile::FourthNumber::Brightness)) {
        writeLine(out, request.output + QStringLiteral(": ") + problem->words(kTerminalLanguage));
        return ExitStatus::kFailure;
    }
    for (const Readability::Pair &pair : fixed.unmet) {
        writeLine(out, QStringLiteral("%1: %2 on %3 cannot reach its level")
                           .arg(request.input, textText(pair), backgroundText(pair)));
    }
    // How much, in a word and as the summed distance in OKLab.
    QString how;
    switch (ReadableFix::amountOf(fixed)) {
    case ReadableFix::Amount::None: break;
    case ReadableFix::Amount::Slight: how = QStringLiteral("slight"); break;
    case ReadableFix::Amount::Clear: how = QStringLiteral("clear"); break;
    case ReadableFix::Amount::Strong: how = QStringLiteral("strong"); break;
    }
    if (!how.isEmpty())
        how = QStringLiteral(" (%1, %2 in OKLab)").arg(how, QString::number(fixed.change, 'f', 2));
    writeLine(out, QStringLiteral("%1: %2 %3 changed%4, written to %5; %6")
                       .arg(request.input, QString::number(fixed.changed),
                            fixed.changed == 1 ? QStringLiteral("colour") : QStringLiteral("colours"), how,
                            request.output,
                            fixed.unmet.empty() ? QStringLiteral("every pair reaches its level")
                                                : QStringLiteral("%1 below their level").arg(fixed.unmet.size())));
    out.flush();
    return fixed.unmet.empty() ? ExitStatus::kSuccess : ExitStatus::kWrittenBelowLevel;
}

int derive(const DeriveRequest &request, QTextStream &out)
{
    const Derive::Options options{request.light, request.colourBlind};
    Derive::Result derived;
    QString name = request.name;
    QString told;
    const QString source = Problem::quoted(request.source);
    if (const auto colour = ColourText::parse(request.source)) {
        derived = Derive::fromColour(*colour, options);
        if (name.isEmpty())
            name = ColourText::hex(*colour);
        told = QStringLiteral("derived from %1").arg(ColourText::hex(*colour));
    } else {
        const QFileInfo file(request.source);
        if (!file.exists() && !file.isSymLink()) {
            writeLine(out, QStringLiteral("%1 is neither a colour nor a file").arg(source));
            return ExitStatus::kFailure;
        }
        if (RegularFile::isSameFile(request.source, request.output)) {
            writeLine(out, request.output + QStringLiteral(": ")
                               + Problem{Text::WouldReplacePicture, {}}.words(kTerminalLanguage));
            return ExitStatus::kFailure;
        }
        const auto seeds = Derive::seedsOfFile(request.source);
        if (const auto *problem = std::get_if<Problem>(&seeds)) {
            writeLine(out, request.source + QStringLiteral(": ") + problem->words(kTerminalLanguage));
            return ExitStatus::kFailure;
        }
        const Derive::Seeds &picked = std::get<Derive::Seeds>(seeds);
        derived = Derive::fromColour(picked.seed, options, picked.accent);
        if (name.isEmpty())
            name = file.completeBaseName();
        told = QStringLiteral("derived from %1 (%2%3)")
                   .arg(request.source, ColourText::hex(picked.seed),
                        picked.accent ? QStringLiteral(", accent ") + ColourText::hex(*picked.accent) : QString());
    }
    derived.scheme.setName(SchemeFile::nameItCanHold(name));
    if (const auto problem = SchemeFile::save(derived.scheme, request.output)) {
        writeLine(out, request.output + QStringLiteral(": ") + problem->words(kTerminalLanguage));
        return ExitStatus::kFailure;
    }
    writeLine(out, QStringLiteral("%1: %2, written; %3")
                       .arg(request.output, told,
                            derived.everyPairMet ? QStringLiteral("every pair reaches its level")
                                                 : QStringLiteral("some pair cannot reach its level")));
    out.flush();
    return derived.everyPairMet ? ExitStatus::kSuccess : ExitStatus::kWrittenBelowLevel;
}

int finishOutput(QTextStream &out, int status)
{
    out.flush();
    if (out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    QString reason;
    if (const auto *device = qobject_cast<const QFileDevice *>(out.device()); device && device->error())
        reason = QStringLiteral(": ") + device->errorString();
    QTextStream(stderr) << "vexlume: standard output cannot be written" << reason << '\n';
    return ExitStatus::kFailure;
}

} // namespace Reports
