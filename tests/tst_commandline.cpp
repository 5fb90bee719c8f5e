#include "CommandLine.h"
#include "ColourScience.h"
#include "ElementCatalogue.h"
#include "ElementCode.h"
#include "PreviewPanes.h"
#include "Readability.h"
#include "Rgb.h"
#include "SchemeFile.h"
#include "Version.h"
#include "support/FileTraps.h"
#include "support/StandardTables.h"
#include "support/TwoColourPicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <QMap>
#include <QScopeGuard>
#include <QSet>

#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run vexlume(const QStringList &arguments, const QProcessEnvironment &environment =
                                              QProcessEnvironment::systemEnvironment(),
            const std::function<void()> &beforeStart = {})
{
    QProcess process;
    process.setProcessEnvironment(environment);
    if (beforeStart)
        process.setChildProcessModifier(beforeStart);
    process.start(QStringLiteral(VEXLUME_EXECUTABLE), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A file size limit (ulimit -f) of `bytes`, with the signal a write beyond it
// raises left at its default, as a shell leaves it: unless the program ignores
// the signal, such a write ends it.
void limitFileSize(rlim_t bytes)
{
    struct rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_DFL);
}

void smallFileSizeLimit()
{
    limitFileSize(512);
}

// The entries of a folder by their bytes: Qt passes over names it cannot decode.
int entryCount(const QByteArray &folder)
{
    DIR *entries = ::opendir(folder.constData());
    if (!entries)
        return -1;
    int count = 0;
    while (const dirent *entry = ::readdir(entries))
        count += std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0;
    ::closedir(entries);
    return count;
}

QByteArray goodFile(const QByteArray &name)
{
    QByteArray bytes = "ColourScheme\r\n" + name + "\r\nData\r\n";
    for (int n = 1; n <= 60; ++n)
        bytes += "10 20 30 100\r\n";
    return bytes;
}

// A scheme whose every pair of colours the phone must show apart reaches 21:1:
// black texts on white, but white on black selection bars, which stand out from
// the white menus around them. `lines` replaces the lines of some elements.
QByteArray blackOnWhiteFile(const QMap<int, QByteArray> &lines = {})
{
    const QSet<int> black = {1,  3,  5,  6,  8,  11, 13, 15, 17, 18, 20, 23,
                             25, 28, 30, 32, 37, 44, 52, 53, 54, 55, 56, 57};
    QByteArray bytes = "ColourScheme\r\nPaper\r\nData\r\n";
    for (int n = 1; n <= 60; ++n)
        bytes += lines.value(n, black.contains(n) ? "0 0 0 100" : "255 255 255 100") + "\r\n";
    return bytes;
}

// The largest chroma an sRGB screen shows at an OKLab lightness and hue.
double largestChroma(double lightness, double hue)
{
    double shown = 0;
    double beyond = 0.5;
    for (int step = 0; step < 30; ++step) {
        const double chroma = (shown + beyond) / 2;
        if (ColourScience::isInGamut(ColourScience::toOklab(ColourScience::Oklch{lightness, chroma, hue})))
            shown = chroma;
        else
            beyond = chroma;
    }
    return shown;
}

// The colours a photograph's seed is named by, in OKLCH: a hue range, a chroma
// range and the lightest it may be. Every seed lies between its picture's
// near-black shadows and pale highlights.
struct ColourFamily
{
    const char16_t *name;
    double hueFrom;
    double hueTo;
    double chromaFrom;
    double chromaTo;
    double lightnessTo = 0.9;

    bool holds(const ColourScience::Oklch &colour) const
    {
        return colour.h >= hueFrom && colour.h <= hueTo && colour.C >= chromaFrom && colour.C <= chromaTo
               && colour.L >= 0.3 && colour.L <= lightnessTo;
    }
};
const ColourFamily colourFamilies[] = {
    {u"grey", 0, 360, 0, 0.04},
    {u"brown", 40, 90, 0.03, 0.15, 0.65}, // a dark, greyed orange
    {u"tan", 40, 90, 0.03, 0.10},        // a light, greyed orange
    {u"orange", 40, 85, 0.08, 1},
    {u"gold", 60, 115, 0.08, 1},         // yellow to orange-yellow
    {u"green", 120, 180, 0.05, 1},
    {u"blue", 215, 275, 0.05, 1},
    {u"violet", 275, 330, 0.05, 1},
};

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void checkGivesAVerdictPerFile();
    void checkOfOnlyGoodFilesSucceeds();
    void contrastReportsPairsBelowTheirLevel_data();
    void contrastReportsPairsBelowTheirLevel();
    void fixWritesTheSchemeWithEveryPairAtItsLevel_data();
    void fixWritesTheSchemeWithEveryPairAtItsLevel();
    void renderComparesTwoSchemes();
    void thumbnailsFitTheirSize_data();
    void thumbnailsFitTheirSize();
    void deriveWritesAReadableScheme_data();
    void deriveWritesAReadableScheme();
    void outputThatCannotBeWrittenFails_data();
    void outputThatCannotBeWrittenFails();
    void usageErrors_data();
    void usageErrors();
    void renderDrawsTheSchemeOverTheMasks_data();
    void renderDrawsTheSchemeOverTheMasks();
    void renderWritesNothingForABadScheme();
    void renderNeverReplacesWhatItShouldNot_data();
    void renderNeverReplacesWhatItShouldNot();
    void helpAndVersion();
    void theEditorTakesOneSchemeFile();
    void editorWithoutADisplaySaysSo();
    void argumentsThatAreNoTextAreRefused_data();
    void argumentsThatAreNoTextAreRefused();
    void saveBeyondTheFileSizeLimitFailsAndKeepsTheOldFile();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(makeFifo(path(QStringLiteral("fifo.col"))));
    write(QStringLiteral("good.col"), goodFile("Night Sky"));
    QByteArray bad = goodFile("Bad");
    bad.replace(bad.indexOf("10 20 30 100\r\n", 100), 14, "0 32 300 100\r\n");
    write(QStringLiteral("bad.col"), bad);
    write(QStringLiteral("short.col"), goodFile("Short").left(200));
    write(QStringLiteral("long.col"), goodFile("Long") + "10 20 30 100\r\n");
    write(QStringLiteral("nameless.col"), goodFile("Data").replace("Data\r\nData", "Data")); // no name line
    static const char escapes[] = "\x1b]0;owned\x07\x1b[31mred\0";
    write(QStringLiteral("escape.col"), goodFile(QByteArray(escapes, sizeof escapes - 1)));
    write(QStringLiteral("no-numbers.col"), "ColourScheme\r\nEmpty\r\nData\r\n,,,\r\n\r\n");
    // A file the program writes, after a text-mode transfer added a CR to every line end.
    ColourScheme transferred;
    transferred.loadStandard(StandardScheme::Green);
    transferred.setName(QStringLiteral("Transferred"));
    write(QStringLiteral("transferred.col"), SchemeFile::serialize(transferred)->replace("\r\n", "\r\r\n"));
    // Picture names that lead to what a render must not write into.
    QVERIFY(makeFifo(path(QStringLiteral("fifo.png"))));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.png")));
    write(QStringLiteral("scheme.png"), goodFile("Night Sky"));
    write(QStringLiteral("paper.col"), blackOnWhiteFile());
    // A softkey text of 4.50:1 and a scroll mark of 3.03:1 on white in the file's
    // colours, 4.27:1 and 2.98:1 as the phone shows them; a menu text as white as
    // its menu, but hidden.
    write(QStringLiteral("faint.col"),
          blackOnWhiteFile({{6, "232 0 112 100"}, {28, "148 148 148 100"}, {20, "255 255 255 000"}}));
    write(QStringLiteral("%1 \x1b[31m.col"), blackOnWhiteFile({{3, "255 255 255 100"}}));
    // A text that does not stand out, and fourth numbers other than the editor's.
    write(QStringLiteral("dim.col"), blackOnWhiteFile({{6, "200 200 200 050"}, {20, "255 255 255 000"}}));
    // The two-colour picture, and a file that only calls itself a picture.
    QVERIFY(twoColourPicture().save(path(QStringLiteral("blue and orange.png"))));
    write(QStringLiteral("not a picture.png"), "these are no pixels");
    QVERIFY(QFile::copy(path(u"blue and orange.png"_s), path(u"picture.png"_s)));
    QVERIFY(QFile::link(u"picture.png"_s, path(u"link to picture.png"_s)));
    QVERIFY(QFile::link(u"loop.png"_s, path(u"loop.png"_s)));
    QImage logo(40, 40, QImage::Format_ARGB32);
    logo.fill(qRgba(0, 0, 255, 0));
    for (int y = 10; y < 30; ++y) {
        for (int x = 10; x < 30; ++x)
            logo.setPixel(x, y, qRgba(220, 30, 30, 255));
    }
    QVERIFY(logo.save(path(u"red on hidden blue.png"_s)));
    // The phone book's texts near white on the phone's own white page.
    write(QStringLiteral("pale-book.col"),
          blackOnWhiteFile({{11, "250 250 250 100"}, {13, "250 250 250 100"}, {15, "250 250 250 100"}}));
}

void TestCommandLine::fixWritesTheSchemeWithEveryPairAtItsLevel_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said"); // the report's last line, after the input's name
    QTest::newRow("texts made readable") << QStringList{} << u"dim.col"_s << u"fixed.col"_s << 0
                                         << u": 1 colour changed (strong, 0.26 in OKLab), written to fixed.col; every pair reaches its level"_s;
    QTest::newRow("phone book texts on the page") << QStringList{} << u"pale-book.col"_s << u"fixed.col"_s << 0
                                                  << u": 3 colours changed (strong, 1.24 in OKLab), written to fixed.col; every pair reaches its level"_s;
    QTest::newRow("to every kind of eyes") << QStringList{u"--vision"_s, u"all"_s} << u"transferred.col"_s
                                           << u"fixed.col"_s << 0 << QString();
    QTest::newRow("at the strictest level for texts") << QStringList{u"--min-ratio"_s, u"7"_s} << u"dim.col"_s
                                                      << u"fixed.col"_s << 0 << QString();
    QTest::newRow("over itself") << QStringList{} << u"copy-of-dim.col"_s << u"copy-of-dim.col"_s << 0 << QString();
    QTest::newRow("at 21:1, every text black or white") << QStringList{u"--min-ratio"_s, u"21"_s} << u"good.col"_s
                                                        << u"fixed.col"_s << 0 << QString();
    QTest::newRow("a file that does not read cleanly")
        << QStringList{} << u"bad.col"_s << u"fixed.col"_s << 1
        << u": line 10: \"300\" is not a colour value (0 to 255)"_s;
    QTest::newRow("into a folder that is not there") << QStringList{} << u"dim.col"_s << u"missing/fixed.col"_s << 1
                                                     << QString();
}

// Two schemes side by side: the pixels outlined are exactly those of the
// elements whose colours differ that border another element, on both sides.
void TestCommandLine::renderComparesTwoSchemes()
{
    QList<QByteArray> lines = goodFile("Night Sky").split('\n'); // after the header, element 1 on
    lines[3 + 7 - 1] = "255 0 0 100\r";                            // the softkeys' background red
    write(u"softkeys red.col"_s, lines.join('\n'));
    const QString output = path(u"compared.png"_s);
    QCOMPARE(vexlume({u"--render"_s, u"--compare"_s, path(u"softkeys red.col"_s), path(u"good.col"_s), output})
                 .exitCode,
             0);
    const QImage picture(output);
    QCOMPARE(picture.size(), QSize(233 * 2 + 8, 288));
    const auto &panes = PreviewPanes::builtInPanes();
    for (int i = 0; i < PreviewPanes::kCount; ++i) {
        const PreviewPane &pane = panes[std::size_t(i)];
        const QImage &mask = pane.mask();
        const auto at = [&pane](int x, int y) { return pane.elementAt({x, y}); };
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const bool edge = at(x, y) == 7
                                  && !(at(x - 1, y) == 7 && at(x + 1, y) == 7 && at(x, y - 1) == 7 && at(x, y + 1) == 7);
                for (const int side : {0, 233 + 8}) {
                    const QPoint place = PreviewPanes::position(i) + QPoint(x + side, y);
                    QVERIFY2((picture.pixel(place) == qRgb(255, 0, 255)) == edge,
                             qPrintable(u"pane %1 at %2, %3"_s.arg(i).arg(x).arg(y)));
                }
            }
        }
    }
}

void TestCommandLine::thumbnailsFitTheirSize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("output"); // "held open": made empty and held open by a reader, as a thumbnail service does
    QTest::addColumn<QSize>("picture");  // empty: none written
    QTest::newRow("smaller than the screens") << 128 << u"good.col"_s << u"thumbnail.png"_s << QSize(103, 128);
    QTest::newRow("twice the screens") << 600 << u"good.col"_s << u"thumbnail.png"_s << QSize(466, 576);
    QTest::newRow("the screens once") << 300 << u"good.col"_s << u"thumbnail.png"_s << QSize(233, 288);
    QTest::newRow("a file that does not read cleanly") << 128 << u"bad.col"_s << u"thumbnail.png"_s << QSize();
    QTest::newRow("into the file the service holds open") << 128 << u"good.col"_s << u"held open"_s << QSize(103, 128);
    // Into a file that has bytes already, on a full disk: they stay as they were.
    QTest::newRow("into an old file on a full disk") << 128 << u"good.col"_s << u"old.png"_s << QSize();
    QTest::newRow("to a name that is no PNG") << 128 << u"good.col"_s << u"thumbnail.col"_s << QSize();
}

// The six screens fitted into the size, enlarged only by whole factors; no
// picture of a file that does not read cleanly, nor under a name that is no
// PNG. A thumbnail service that made the output file reads the picture back
// through the descriptor it holds.
void TestCommandLine::thumbnailsFitTheirSize()
{
    QFETCH(int, size);
    QFETCH(QString, scheme);
    QFETCH(QString, output);
    QFETCH(QSize, picture);
    const QString file = path(output == u"held open" ? u"held.png"_s : output);
    QFile::remove(file);
    QFile held(file);
    if (output == u"held open") {
        QVERIFY(held.open(QIODevice::ReadWrite));
        QVERIFY(QFileInfo(file).exists());
    }
    const QByteArray old = "an old picture";
    if (output == u"old.png")
        write(output, old);
    const Run run = vexlume({u"--thumbnail"_s, QString::number(size), path(scheme), file},
                            QProcessEnvironment::systemEnvironment(),
                            output == u"old.png" ? &NoRoomOnDisk::applyTo : nullptr);
    QCOMPARE(run.exitCode, picture.isEmpty() ? (output.endsWith(u".png") ? 1 : 2) : 0);
    if (output == u"old.png") {
        QCOMPARE(readAll(file), old);
        return;
    }
    if (picture.isEmpty()) {
        QVERIFY(!QFile::exists(file));
        return;
    }
    QCOMPARE(QImage(file).size(), picture);
    if (held.isOpen()) {
        QVERIFY(held.seek(0));
        QCOMPARE(QImage::fromData(held.readAll(), "PNG").size(), picture);
    }
}

void TestCommandLine::deriveWritesAReadableScheme_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("accent"); // the hue the selections take, where it is not the seed's
    QTest::addColumn<QString>("name");   // the scheme's name, where the row is about it
    QTest::addColumn<QString>("said");   // what the report says where nothing is written
    QTest::addColumn<QString>("family"); // a photograph's: the colours its seed is named by (see colourFamilies)

    // Round the hue circle, dark and light, to normal eyes and to every kind.
    for (int hue = 0; hue < 360; hue += 15) {
        const QColor seed = QColor::fromHsv(hue, 200, 220);
        for (const QString &variant : {u"--dark"_s, u"--light"_s}) {
            QTest::addRow("hue %d, %s", hue, qPrintable(variant))
                << QStringList{variant} << seed.name() << 0 << QString() << QString() << QString() << QString();
            if (hue % 30 == 0)
                QTest::addRow("hue %d, %s, every kind of eyes", hue, qPrintable(variant))
                    << QStringList{variant, u"--vision"_s, u"all"_s} << seed.name() << 0 << QString() << QString()
                    << QString() << QString();
        }
    }
    // Greys and the extremes; pure, pale, deep and dark colours.
    for (const char *colour : {"#808080", "black", "white", "#0000ff", "rgb(255, 250, 200)", "#ff8800", "#ffd700",
                               "hotpink", "maroon", "saddlebrown", "#00ffff"}) {
        for (const QString &variant : {u"--dark"_s, u"--light"_s})
            QTest::addRow("%s, %s", colour, qPrintable(variant))
                << QStringList{variant} << QString::fromLatin1(colour) << 0 << QString() << QString() << QString()
                << QString();
    }
    QTest::newRow("to every kind of eyes")
        << QStringList{u"--vision"_s, u"all"_s} << u"#3366cc"_s << 0 << QString() << u"#3366CC"_s << QString()
        << QString();
    QTest::newRow("a name the file can hold") << QStringList{u"--name"_s, u"Abend \u20ac Rot"_s}
                                              << u"rgb(51, 102, 204)"_s << 0 << QString() << u"Abend \u20ac Rot"_s
                                              << QString() << QString();
    QTest::newRow("a name the file cannot hold whole")
        << QStringList{u"--name"_s, u"Abend \u2713\nRot"_s} << u"rgb(51, 102, 204)"_s << 2 << QString() << QString()
        << u"--name holds characters a scheme file cannot hold: \u2713\\x0a"_s << QString();
    QTest::newRow("a picture of two colours") << QStringList{} << u"blue and orange.png"_s << 0 << u"#f08c14"_s
                                              << u"blue and orange"_s << QString() << QString();
    // Hidden pixels choose nothing: a red logo on transparent pixels whose hidden colour is blue.
    QTest::newRow("a red logo on hidden blue") << QStringList{} << u"red on hidden blue.png"_s << 0 << QString()
                                               << QString() << QString() << QString();
    // Photographs of the desktop's backgrounds, named as a person would name
    // them: by what covers them and stands out, not by their deepest shadow or
    // their palest highlight.
    const QString backgrounds = u"/usr/share/backgrounds/gnome/"_s;
    const std::pair<const char *, const char *> photographs[] = {
        {"adwaita-d.webp", "violet"},    // violet and indigo glass blocks on a deep purple
        {"adwaita-l.webp", "blue"},      // pale and bright blue glass blocks
        {"grid-d.webp", "blue"},         // bright blue dots on navy: the dots, not the navy between them
        {"grid-l.webp", "gold"},         // golden dots, yellow above and orange below
        {"licorice-d.webp", "grey"},     // dark grey tiles with small blocks of many colours
        {"licorice-l.webp", "grey"},     // pale grey tiles with small blocks of many colours
        {"pixels-d.webp", "grey"},       // a charcoal ground with a few small icons
        {"pixels-l.webp", "tan"},        // a tan ground with a few small icons: not their white
        {"symbolic-d.webp", "violet"},   // a purple ground
        {"symbolic-l.webp", "green"},    // a sea-green ground
        {"truchet-d.webp", "blue"},      // blue, glowing in the middle, dark at the edges
        {"truchet-l.webp", "orange"},    // orange and gold
        {"wood-d.webp", "brown"},        // dark wood lit from above: brown, not its near-black shadow
        {"wood-l.webp", "brown"},        // light wood
    };
    bool light = false; // each picture once, dark and light in turn: the seed is the same for both
    for (const auto &[file, family] : photographs) {
        const QString variant = (light = !light) ? u"--light"_s : u"--dark"_s;
        QTest::addRow("%s, %s", file, qPrintable(variant))
            << QStringList{variant} << backgrounds + QString::fromLatin1(file) << 0 << QString() << QString()
            << QString() << QString::fromLatin1(family);
    }
    QTest::newRow("a picture that cannot be read") << QStringList{} << u"not a picture.png"_s << 1 << QString()
                                                   << QString() << u"not a picture"_s << QString();
    QTest::newRow("an unknown colour") << QStringList{} << u"bluish"_s << 1 << QString() << QString()
                                       << u"\"bluish\" is neither a colour nor a file"_s << QString();
    // What a source that is no picture is, said, and a long one quoted short.
    QTest::newRow("a FIFO named like a picture") << QStringList{} << u"fifo.png"_s << 1 << QString() << QString()
                                                 << u"fifo.png: it is a device"_s << QString();
    QTest::newRow("a folder") << QStringList{} << u"folder.png"_s << 1 << QString() << QString() << u"folder"_s
                              << QString();
    QTest::newRow("a link loop") << QStringList{} << u"loop.png"_s << 1 << QString() << QString()
                                 << u"Too many levels of symbolic links"_s << QString();
    QTest::newRow("a long name of nothing") << QStringList{} << QString(60, u'x') << 1 << QString() << QString()
                                            << u"\"%1\u2026\" is neither a colour nor a file"_s.arg(QString(40, u'x'))
                                            << QString();
    // The picture never becomes the scheme, however named.
    for (const char *output : {"picture.png", "./picture.png", "link to picture.png"}) {
        QTest::addRow("over its own picture as %s", output)
            << QStringList{u"OUT"_s, QString::fromLatin1(output)} << u"picture.png"_s << 1 << QString() << QString()
            << u"the scheme would replace the picture it is derived from"_s << QString();
    }
    // Pictures made to cost memory or to mislead, from the fuzz corpus: each
    // refused by what it declares or lacks, quickly and in little memory.
    const QDir corpus(QStringLiteral(VEXLUME_DERIVE_CORPUS));
    for (const QString &file : corpus.entryList(QDir::Files, QDir::Name)) {
        const QString said = file.startsWith(u"declares-"_s) ? u"the picture is too large"_s
                             : file.startsWith(u"cut-short"_s) && file.endsWith(u".jpg"_s) ? u"damaged"_s
                             : file.startsWith(u"transparent"_s) ? u"no visible pixel"_s
                                                                 : u"cannot be read"_s;
        QTest::addRow("%s", qPrintable(file)) << QStringList{} << corpus.filePath(file) << 1 << QString() << QString()
                                              << said << QString();
    }
}

// Every pair of the derived scheme reaches its level (to the eyes asked for)
// with room to spare, texts 7:1 and markers 3:1; its surfaces and bars keep the
// seed's hue (a picture's: its larger colour's, and its selections the
// other's), tinted also in a light scheme; its selections keep their hue at
// nearly the largest chroma the screen shows; a photograph gives the seed it is
// named by; and the same input gives the same bytes. Where the source is
// neither a colour nor a picture, nothing is written.
void TestCommandLine::deriveWritesAReadableScheme()
{
    QFETCH(QStringList, options);
    QFETCH(QString, source);
    QFETCH(int, exitCode);
    QFETCH(QString, accent);
    QFETCH(QString, name);
    QFETCH(QString, said);
    QFETCH(QString, family);
    if (!family.isEmpty() && (!QFileInfo::exists(source) || !QImageReader::supportedImageFormats().contains("webp")))
        QSKIP("the desktop's background pictures, or the toolkit's WebP reader, are not installed");
    QFile::remove(path(u"derived.col"_s));
    QString output = u"derived.col"_s;
    if (options.value(0) == u"OUT") {
        output = options.takeLast();
        options.clear();
    }
    const QStringList arguments = QStringList{u"--derive"_s, source} + options + QStringList{output};
    QString out;
    const auto run = [&] {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(VEXLUME_EXECUTABLE), arguments);
        const bool finished = process.waitForFinished(30000);
        out = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
        return finished ? process.exitCode() : -1;
    };
    const QByteArray pictureBytes = readAll(path(u"picture.png"_s));
    QCOMPARE(run(), exitCode);
    if (exitCode != 0) {
        QVERIFY2(out.contains(said), qPrintable(out));
        QVERIFY(!QFile::exists(path(u"derived.col"_s)));
        QCOMPARE(readAll(path(u"picture.png"_s)), pictureBytes);
        // However large a picture declares itself, reading it stays well within
        // what a desktop can spare (the largest of all the runs so far).
        struct rusage usage {};
        ::getrusage(RUSAGE_CHILDREN, &usage);
        QVERIFY2(usage.ru_maxrss < 300 * 1024, qPrintable(QString::number(usage.ru_maxrss)));
        return;
    }
    const QByteArray first = readAll(path(u"derived.col"_s));
    QCOMPARE(run(), 0);
    QCOMPARE(readAll(path(u"derived.col"_s)), first);
    QStringList contrast{u"--contrast"_s, path(u"derived.col"_s)};
    if (options.contains(u"--vision"_s))
        contrast << u"--vision"_s << u"all"_s;
    QCOMPARE(vexlume(contrast).exitCode, 0);

    const SchemeReadResult derived = SchemeFile::read(path(u"derived.col"_s));
    if (!name.isEmpty())
        QCOMPARE(derived.name, std::optional(name));
    // Room to spare: every text at 7:1 (to the eyes asked for), every marker at 3:1.
    ColourScheme scheme;
    for (int element = 1; element <= kElementCount; ++element) {
        scheme.setColour(element, derived.table[std::size_t(element - 1)].rgb());
        scheme.setVisible(element, derived.table[std::size_t(element - 1)].brightness != 0);
    }
    const auto eyes = options.contains(u"--vision"_s) ? Readability::Eyes::All : Readability::Eyes::Normal;
    for (const Readability::Verdict &verdict : Readability::evaluate(scheme, 7.0, eyes)) {
        const double wanted = verdict.pair.kind == Readability::Kind::Marker ? 3.0 : 7.0;
        QVERIFY2(!verdict.checked || verdict.worstRatio() >= wanted,
                 qPrintable(u"%1 on %2: %3"_s.arg(verdict.pair.text).arg(verdict.pair.background)
                                .arg(verdict.worstRatio())));
    }

    // What the program says it derived from: "(#RRGGBB" or "(#RRGGBB, accent #RRGGBB".
    const QRegularExpressionMatch told =
        QRegularExpression(u"\\((#[0-9A-F]{6})(?:, accent (#[0-9A-F]{6}))?\\)"_s).match(out);
    // The seed of a picture made here is the colour of its top left pixel, or
    // of its middle where that pixel is hidden; a photograph's is named by its
    // family.
    const bool photograph = !family.isEmpty();
    const QImage picture = photograph ? QImage() : QImage(path(source));
    QVERIFY((picture.isNull() && !photograph) || told.hasMatch());
    QColor seedColour = QColor(source);
    if (photograph)
        seedColour = QColor(told.captured(1));
    else if (!picture.isNull())
        seedColour = QColor(picture.pixel(qAlpha(picture.pixel(0, 0)) ? QPoint(0, 0) : QPoint(20, 20)));
    const auto hueOf = [](const Rgb &colour) { return ColourScience::toOklch(colour); };
    const ColourScience::Oklch seed = hueOf(fromQColor(seedColour.isValid() ? seedColour : QColor(Qt::black)));
    if (photograph) {
        const auto named = std::find_if(std::begin(colourFamilies), std::end(colourFamilies),
                                        [&](const ColourFamily &known) { return QStringView(known.name) == family; });
        QVERIFY(named != std::end(colourFamilies));
        QVERIFY2(named->holds(seed), qPrintable(u"%1: L %2, C %3, h %4"_s.arg(told.captured(1)).arg(seed.L)
                                                    .arg(seed.C).arg(seed.h)));
    }
    // The selections take the accent given, else the picture's second colour, else the seed.
    const QString accentName = !accent.isEmpty() ? accent : !told.captured(2).isEmpty() ? told.captured(2) : QString();
    const ColourScience::Oklch accentSeed = accentName.isEmpty() ? seed : hueOf(fromQColor(QColor(accentName)));
    const bool light = options.contains(u"--light"_s);
    for (int element = 1; element <= kElementCount; ++element) {
        const ElementCatalogue::Role role = ElementCatalogue::role(element);
        const ColourScience::Oklch colour = hueOf(derived.table[std::size_t(element - 1)].rgb());
        const QByteArray where = QByteArray::number(element) + ": L " + QByteArray::number(colour.L) + ", C "
                                 + QByteArray::number(colour.C) + ", h " + QByteArray::number(colour.h);
        const bool surface = role == ElementCatalogue::Role::Surface || role == ElementCatalogue::Role::Raised;
        // The surfaces of a light scheme are tinted by a colourful seed, not near white.
        if (surface && light && seed.C >= 0.08)
            QVERIFY2(colour.C >= 0.02, where.constData());
        // An accent keeps its hue and is as colourful as the phone shows it at
        // its lightness, or nearly: an orange does not turn brown, nor a yellow olive.
        if (role == ElementCatalogue::Role::Accent && accentSeed.C >= 0.08) {
            QVERIFY2(ColourScience::hueDifference(colour.h, accentSeed.h) <= 15, where.constData());
            QVERIFY2(colour.C >= 0.6 * largestChroma(colour.L, colour.h), where.constData());
        }
        if (seed.C < 0.03 || colour.C < 0.02)
            continue; // a grey has no hue to keep
        if (surface)
            QVERIFY2(ColourScience::hueDifference(colour.h, seed.h) <= 20, where.constData());
    }
}

// The repaired scheme reaches every level --contrast checks; only colours
// change, the name and the fourth numbers stay, and nothing is written where
// the input does not read cleanly or the output cannot be written.
void TestCommandLine::fixWritesTheSchemeWithEveryPairAtItsLevel()
{
    QFETCH(QStringList, options);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QFile::remove(path(u"fixed.col"_s));
    QFile::remove(path(u"copy-of-dim.col"_s));
    QVERIFY(QFile::copy(path(u"dim.col"_s), path(u"copy-of-dim.col"_s)));
    const SchemeReadResult before = SchemeFile::read(path(input));

    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(QStringLiteral(VEXLUME_EXECUTABLE), QStringList{u"--fix"_s} + options + QStringList{input, output});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), exitCode);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    if (!said.isEmpty())
        QCOMPARE(out, input + said + u'\n');
    if (exitCode == 1) {
        QVERIFY(!QFile::exists(path(output)));
        return;
    }
    const SchemeReadResult after = SchemeFile::read(path(output));
    QCOMPARE(after.status, SchemeReadResult::Status::Complete);
    QCOMPARE(after.name, before.name);
    for (std::size_t i = 0; i < after.table.size(); ++i) {
        QCOMPARE(after.table[i].brightness, before.table[i].brightness);
        if (after.table[i].rgb() != before.table[i].rgb())
            QVERIFY(ColourScience::isPhoneColour(after.table[i].rgb()));
    }
    QStringList contrast{u"--contrast"_s, path(output)};
    if (options.contains(u"--vision"_s))
        contrast << u"--vision"_s << u"all"_s;
    if (options.contains(u"--min-ratio"_s))
        contrast << u"--min-ratio"_s << options.at(options.indexOf(u"--min-ratio"_s) + 1);
    QCOMPARE(vexlume(contrast).exitCode, exitCode == 0 ? 0 : 1);
}

void TestCommandLine::checkGivesAVerdictPerFile()
{
    const Run run = vexlume({QStringLiteral("--check"), path(QStringLiteral("good.col")),
                             path(QStringLiteral("bad.col")), path(QStringLiteral("short.col")),
                             path(QStringLiteral("missing.col")), path(QStringLiteral("long.col")),
                             path(QStringLiteral("escape.col")), path(QStringLiteral("fifo.col")),
                             path(QStringLiteral("no-numbers.col"))});
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.at(0), path(QStringLiteral("good.col")) + QStringLiteral(": reads cleanly, scheme \"Night Sky\""));
    QCOMPARE(lines.at(1), path(QStringLiteral("bad.col"))
                              + QStringLiteral(": line 10: \"300\" is not a colour value (0 to 255)"));
    QVERIFY2(lines.at(2).endsWith(u"of 60 entries"), qPrintable(lines.at(2)));
    QVERIFY(lines.at(2).startsWith(path(QStringLiteral("short.col")) + QStringLiteral(": line ")));
    QVERIFY(lines.at(3).startsWith(path(QStringLiteral("missing.col")) + QStringLiteral(": ")));
    QCOMPARE(lines.at(4), path(QStringLiteral("long.col"))
                              + QStringLiteral(": line 64: \"10\" follows entry 60; the rest of the file is ignored"));
    // Control characters reach the terminal only as text.
    QCOMPARE(lines.at(5), path(QStringLiteral("escape.col"))
                              + QStringLiteral(": reads cleanly, scheme \"\\x1b]0;owned\\x07\\x1b[31mred\\x00\""));
    QCOMPARE(lines.at(6), path(QStringLiteral("fifo.col"))
                              + QStringLiteral(": it is a device or other special file, not a regular file"));
    QCOMPARE(lines.at(7), path(QStringLiteral("no-numbers.col"))
                              + QStringLiteral(": no number follows \"Data\": this is not a colour scheme file"));
}

void TestCommandLine::checkOfOnlyGoodFilesSucceeds()
{
    const Run run = vexlume({QStringLiteral("--check"), path(QStringLiteral("good.col")),
                             path(QStringLiteral("nameless.col")), path(QStringLiteral("transferred.col"))});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count(QStringLiteral("reads cleanly")), 3);
    // A header going straight to the data reads as a scheme called "Data" would be written.
    QVERIFY(run.out.contains(path(QStringLiteral("nameless.col")) + QStringLiteral(": reads cleanly, scheme \"Data\"")));
    QVERIFY(run.out.contains(path(QStringLiteral("transferred.col"))
                             + QStringLiteral(": reads cleanly, scheme \"Transferred\"")));
    // And every colour of the transferred file is the one written.
    const SchemeReadResult transferred = SchemeFile::read(path(QStringLiteral("transferred.col")));
    for (int element = 1; element <= 60; ++element)
        QCOMPARE(transferred.table[element - 1].rgb(), StandardSchemes::colour(StandardScheme::Green, element));
}

void TestCommandLine::contrastReportsPairsBelowTheirLevel_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    const QString faintSoftkey =
        QStringLiteral("faint.col: 6 \"softkeys font\" on 7 \"softkeys background\": 4.2:1, needs %1:1\n");
    const QString faintScrollMark = QStringLiteral(
        "faint.col: 28 \"scroll mark text menu\" on 29 \"scrollbar text menu\": 2.9:1, needs 3:1\n"
        "faint.col: 28 \"scroll mark text menu\" on 21 \"text menu background\": 2.9:1, needs 3:1\n"
        "faint.col: 28 \"scroll mark text menu\" on the phone's white page: 2.9:1, needs 3:1\n");
    QTest::newRow("pairs below their level, worst first")
        << QStringList{QStringLiteral("faint.col")} << 1
        << faintSoftkey.arg(QStringLiteral("4.5")) + faintScrollMark
               + QStringLiteral("faint.col: 31 pairs checked, 4 below their level, 1 not checked\n");
    QTest::newRow("a higher level for texts")
        << QStringList{QStringLiteral("--min-ratio"), QStringLiteral("7"), QStringLiteral("faint.col")} << 1
        << faintSoftkey.arg(QStringLiteral("7")) + faintScrollMark
               + QStringLiteral("faint.col: 31 pairs checked, 4 below their level, 1 not checked\n");
    QTest::newRow("a level written with a trailing zero")
        << QStringList{QStringLiteral("--min-ratio"), QStringLiteral("4.50"), QStringLiteral("faint.col")} << 1
        << faintSoftkey.arg(QStringLiteral("4.5")) + faintScrollMark
               + QStringLiteral("faint.col: 31 pairs checked, 4 below their level, 1 not checked\n");
    QTest::newRow("a lower level for texts")
        << QStringList{QStringLiteral("faint.col"), QStringLiteral("--min-ratio=4.2")} << 1
        << faintScrollMark + QStringLiteral("faint.col: 31 pairs checked, 3 below their level, 1 not checked\n");
    QTest::newRow("a clean file, at the strictest level")
        << QStringList{QStringLiteral("--min-ratio"), QStringLiteral("21"), QStringLiteral("paper.col")} << 0
        << QStringLiteral("paper.col: 32 pairs checked, 0 below their level, 0 not checked\n");
    QTest::newRow("files that do not read cleanly")
        << QStringList{QStringLiteral("paper.col"), QStringLiteral("bad.col"), QStringLiteral("short.col"),
                       QStringLiteral("long.col")}
        << 1
        << QStringLiteral("paper.col: 32 pairs checked, 0 below their level, 0 not checked\n"
                          "bad.col: line 10: \"300\" is not a colour value (0 to 255)\n"
                          "short.col: line 16: the file ends after 12 of 60 entries\n"
                          "long.col: line 64: \"10\" follows entry 60; the rest of the file is ignored\n");
    QTest::newRow("a file name with a place marker and a control character")
        << QStringList{QStringLiteral("%1 \x1b[31m.col")} << 1
        << QStringLiteral("%1 \\x1b[31m.col: 3 \"base window font\" on 4 \"base window background\": 1.0:1, "
                          "needs 4.5:1\n"
                          "%1 \\x1b[31m.col: 32 pairs checked, 1 below their level, 0 not checked\n");
    // The blue scheme's phone book icons: their detail (44) is hard to tell from their fill (45).
    QTest::newRow("phone book texts near white on the page")
        << QStringList{QStringLiteral("pale-book.col")} << 1
        << QStringLiteral("pale-book.col: 11 \"font phone numbers\" on the phone's white page: 1.0:1, needs 4.5:1\n"
                          "pale-book.col: 13 \"font eMail, homepage\" on the phone's white page: 1.0:1, needs 4.5:1\n"
                          "pale-book.col: 15 \"font address\" on the phone's white page: 1.0:1, needs 4.5:1\n"
                          "pale-book.col: 32 pairs checked, 3 below their level, 0 not checked\n");
    QTest::newRow("built-in blue") << QStringList{QStringLiteral("--standard"), QStringLiteral("blue")} << 1
                                   << QStringLiteral(
                                          "built-in blue: outlines of the title bar's icons on 4 \"base window background\": 1.8:1, needs 3:1\n"
                                          "built-in blue: 44 \"ratiobutton selection\" on 45 \"ratiobutton / Symbol background 2\": 2.2:1, needs 3:1\n"
                                          "built-in blue: 32 pairs checked, 2 below their level, 0 not checked\n");
    // The same level twice, written two ways, is one level.
    QTest::newRow("built-in blue, the level given twice")
        << QStringList{QStringLiteral("--standard"), QStringLiteral("blue"), QStringLiteral("--min-ratio"),
                       QStringLiteral("4.5"), QStringLiteral("--min-ratio"), QStringLiteral("4.50")}
        << 1 << QStringLiteral("built-in blue: outlines of the title bar's icons on 4 \"base window background\": 1.8:1, needs 3:1\n"
                               "built-in blue: 44 \"ratiobutton selection\" on 45 \"ratiobutton / Symbol background 2\": 2.2:1, needs 3:1\n"
                               "built-in blue: 32 pairs checked, 2 below their level, 0 not checked\n");
    QTest::newRow("built-in green")
        << QStringList{QStringLiteral("--standard"), QStringLiteral("Green")} << 1
        << QStringLiteral(
               "built-in green: 5 \"base windows title font number\" on 4 \"base window background\": 1.7:1, needs 4.5:1\n"
               "built-in green: 6 \"softkeys font\" on 7 \"softkeys background\": 1.7:1, needs 4.5:1\n"
               "built-in green: 44 \"ratiobutton selection\" on 45 \"ratiobutton / Symbol background 2\": 1.2:1, needs 3:1\n"
               "built-in green: 37 \"message window text marked background\" on 31 \"message window background\": 1.7:1, needs 3:1\n"
               "built-in green: 16 \"select menu font\" on 17 \"select menu background\": 3.4:1, needs 4.5:1\n"
               "built-in green: 32 pairs checked, 5 below their level, 0 not checked\n");
    for (const QString &twice : {QString(), QStringLiteral("RED")}) {
        QStringList arguments{QStringLiteral("--standard"), QStringLiteral("red")};
        if (!twice.isEmpty())
            arguments << QStringLiteral("--standard") << twice; // the same name again changes nothing
        QTest::newRow(twice.isEmpty() ? "built-in red" : "built-in red, named twice")
        << arguments << 1
        << QStringLiteral(
               "built-in red: 44 \"ratiobutton selection\" on 45 \"ratiobutton / Symbol background 2\": 1.0:1, needs 3:1\n"
               "built-in red: 3 \"base window font\" on 4 \"base window background\": 3.9:1, needs 4.5:1\n"
               "built-in red: 5 \"base windows title font number\" on 4 \"base window background\": 3.9:1, needs 4.5:1\n"
               "built-in red: 32 pairs checked, 3 below their level, 0 not checked\n");
    }
    // To a deuteranope the red scheme's softkeys fall from 4.78:1 to 3.92:1.
    QTest::newRow("built-in red, as deutan eyes see it")
        << QStringList{QStringLiteral("--standard"), QStringLiteral("red"), QStringLiteral("--vision"),
                       QStringLiteral("Deutan")}
        << 1
        << QStringLiteral(
               "built-in red: 44 \"ratiobutton selection\" on 45 \"ratiobutton / Symbol background 2\": 1.0:1, needs 3:1\n"
               "built-in red: 3 \"base window font\" on 4 \"base window background\": 3.2:1, needs 4.5:1\n"
               "built-in red: 5 \"base windows title font number\" on 4 \"base window background\": 3.2:1, needs 4.5:1\n"
               "built-in red: 6 \"softkeys font\" on 7 \"softkeys background\": 3.9:1, needs 4.5:1\n"
               "built-in red: 36 \"message window text marked\" on 37 \"message window text marked background\": 3.9:1, needs 4.5:1\n"
               "built-in red: 32 pairs checked, 5 below their level, 0 not checked\n");
    QTest::newRow("built-in blue, to every kind of eyes")
        << QStringList{QStringLiteral("--standard"), QStringLiteral("blue"), QStringLiteral("--vision"),
                       QStringLiteral("all")}
        << 1 << QStringLiteral("built-in blue: 44 \"ratiobutton selection\" on 45 \"ratiobutton / Symbol background 2\": 1.3:1, needs 3:1\n"
                               "built-in blue: outlines of the title bar's icons on 4 \"base window background\": 1.8:1, needs 3:1\n"
                               "built-in blue: 32 pairs checked, 2 below their level, 0 not checked\n");
}

// Run in the folder of the files, so that the report names them as given.
void TestCommandLine::contrastReportsPairsBelowTheirLevel()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    const QString workingDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    const Run run = vexlume(QStringList{QStringLiteral("--contrast")} + arguments);
    QDir::setCurrent(workingDirectory);
    QCOMPARE(run.out, output);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, exitCode);
}

void TestCommandLine::outputThatCannotBeWrittenFails_data()
{
    QTest::addColumn<QStringList>("arguments"); // each succeeds where its output can be written
    QTest::addColumn<QString>("output");        // "closed" (as ">&-" leaves it) or "no room"
    const QStringList check{QStringLiteral("--check"), QStringLiteral("good.col")};
    const QStringList contrast{QStringLiteral("--contrast"), QStringLiteral("paper.col")};
    const QStringList help{QStringLiteral("--help")};
    const QStringList version{QStringLiteral("--version")};
    for (const QString &output : {QStringLiteral("closed"), QStringLiteral("no room")}) {
        for (const QStringList &arguments : {check, contrast, help, version})
            QTest::addRow("%s, %s", qPrintable(arguments.constFirst()), qPrintable(output)) << arguments << output;
    }
}

// A report that was never written must not pass for one that was: the mode
// fails and says why on standard error.
void TestCommandLine::outputThatCannotBeWrittenFails()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    const QByteArray outputFile = QFile::encodeName(path(QStringLiteral("standard-output.txt")));
    const auto redirect = output == u"closed" ? std::function<void()>([] { ::close(STDOUT_FILENO); })
                                              : std::function<void()>([&outputFile] {
                                                    const int file = ::open(outputFile.constData(),
                                                                            O_WRONLY | O_CREAT | O_TRUNC, 0600);
                                                    ::dup2(file, STDOUT_FILENO);
                                                    NoRoomOnDisk::applyTo();
                                                });
    const QString workingDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    const Run run = vexlume(arguments, QProcessEnvironment::systemEnvironment(), redirect);
    QDir::setCurrent(workingDirectory);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(QStringLiteral("vexlume: standard output cannot be written: ")), qPrintable(run.err));
    if (output == u"no room")
        QCOMPARE(QFileInfo(QFile::decodeName(outputFile)).size(), 0);
}

void TestCommandLine::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("check without files") << QStringList{QStringLiteral("--check")};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--frobnicate")};
    QTest::newRow("two schemes for the editor") << QStringList{QStringLiteral("a.col"), QStringLiteral("b.col")};
    QTest::newRow("check and render") << QStringList{QStringLiteral("--check"), QStringLiteral("--render"),
                                                     QStringLiteral("a.col"), QStringLiteral("b.png")};
    QTest::newRow("render without output") << QStringList{QStringLiteral("--render"), QStringLiteral("a.col")};
    QTest::newRow("unknown scheme") << QStringList{QStringLiteral("--render"), QStringLiteral("--standard"),
                                                   QStringLiteral("purple"), QStringLiteral("b.png")};
    QTest::newRow("scale zero") << QStringList{QStringLiteral("--render"), QStringLiteral("--scale"),
                                               QStringLiteral("0"), QStringLiteral("a.col"), QStringLiteral("b.png")};
    // Found by fuzzing: an empty scheme name was taken for a built-in scheme.
    QTest::newRow("empty scheme file") << QStringList{QStringLiteral("--render"), QString(), QStringLiteral("b.png")};
    QTest::newRow("empty output") << QStringList{QStringLiteral("--render"), QStringLiteral("--standard"),
                                                 QStringLiteral("red"), QString()};
    QTest::newRow("scale without render") << QStringList{QStringLiteral("--scale"), QStringLiteral("2")};
    QTest::newRow("standard without render or contrast") << QStringList{QStringLiteral("--standard"),
                                                                        QStringLiteral("blue")};
    QTest::newRow("contrast without files") << QStringList{QStringLiteral("--contrast")};
    QTest::newRow("contrast of a built-in scheme and a file")
        << QStringList{QStringLiteral("--contrast"), QStringLiteral("--standard"), QStringLiteral("red"),
                       QStringLiteral("a.col")};
    QTest::newRow("contrast of an unknown scheme")
        << QStringList{QStringLiteral("--contrast"), QStringLiteral("--standard"), QStringLiteral("purple")};
    // Ratios are shown to one decimal: a finer level could be shown as the ratio
    // that misses it. The decimal mark is a point.
    for (const char *ratio : {"22", "0.5", "0", "-7", "seven", "", "nan", "inf", "4.50000001", "4.55", "4,5"}) {
        QTest::addRow("min-ratio %s", ratio) << QStringList{QStringLiteral("--contrast"), QStringLiteral("--min-ratio"),
                                                            QString::fromLatin1(ratio), QStringLiteral("a.col")};
    }
    QTest::newRow("min-ratio without contrast")
        << QStringList{QStringLiteral("--min-ratio"), QStringLiteral("7"), QStringLiteral("a.col")};
    QTest::newRow("min-ratio with check")
        << QStringList{QStringLiteral("--check"), QStringLiteral("--min-ratio"), QStringLiteral("7"),
                       QStringLiteral("a.col")};
    QTest::newRow("vision without contrast or fix")
        << QStringList{QStringLiteral("--vision"), QStringLiteral("all"), QStringLiteral("a.col")};
    QTest::newRow("vision unknown") << QStringList{QStringLiteral("--contrast"), QStringLiteral("--vision"),
                                                   QStringLiteral("eagle"), QStringLiteral("a.col")};
    QTest::newRow("vision twice, two ways")
        << QStringList{QStringLiteral("--contrast"), QStringLiteral("--vision"), QStringLiteral("all"),
                       QStringLiteral("--vision"), QStringLiteral("protan"), QStringLiteral("a.col")};
    QTest::newRow("fix for one kind of colour-blind eyes")
        << QStringList{QStringLiteral("--fix"), QStringLiteral("--vision"), QStringLiteral("protan"),
                       QStringLiteral("a.col"), QStringLiteral("b.col")};
    QTest::newRow("fix without output") << QStringList{QStringLiteral("--fix"), QStringLiteral("a.col")};
    QTest::newRow("fix with an empty output") << QStringList{QStringLiteral("--fix"), QStringLiteral("a.col"), QString()};
    QTest::newRow("fix with a bad level") << QStringList{QStringLiteral("--fix"), QStringLiteral("--min-ratio"),
                                                         QStringLiteral("30"), QStringLiteral("a.col"),
                                                         QStringLiteral("b.col")};
    QTest::newRow("fix of a built-in scheme") << QStringList{QStringLiteral("--fix"), QStringLiteral("--standard"),
                                                             QStringLiteral("red"), QStringLiteral("b.col")};
    QTest::newRow("compare without render") << QStringList{QStringLiteral("--compare"), QStringLiteral("a.col"),
                                                           QStringLiteral("b.col")};
    QTest::newRow("compare with an empty name") << QStringList{QStringLiteral("--render"), QStringLiteral("--compare"),
                                                               QString(), QStringLiteral("a.col"),
                                                               QStringLiteral("b.png")};
    QTest::newRow("thumbnail too small") << QStringList{QStringLiteral("--thumbnail"), QStringLiteral("8"),
                                                        QStringLiteral("a.col"), QStringLiteral("b.png")};
    QTest::newRow("thumbnail of no size") << QStringList{QStringLiteral("--thumbnail"), QStringLiteral("large"),
                                                         QStringLiteral("a.col"), QStringLiteral("b.png")};
    QTest::newRow("thumbnail without output") << QStringList{QStringLiteral("--thumbnail"), QStringLiteral("128"),
                                                             QStringLiteral("a.col")};
    QTest::newRow("derive without output") << QStringList{QStringLiteral("--derive"), QStringLiteral("red")};
    QTest::newRow("derive dark and light") << QStringList{QStringLiteral("--derive"), QStringLiteral("red"),
                                                          QStringLiteral("--dark"), QStringLiteral("--light"),
                                                          QStringLiteral("b.col")};
    QTest::newRow("derive for one kind of colour-blind eyes")
        << QStringList{QStringLiteral("--derive"), QStringLiteral("red"), QStringLiteral("--vision"),
                       QStringLiteral("deutan"), QStringLiteral("b.col")};
    QTest::newRow("a name without derive") << QStringList{QStringLiteral("--name"), QStringLiteral("x"),
                                                          QStringLiteral("a.col")};
    QTest::newRow("light without derive") << QStringList{QStringLiteral("--light"), QStringLiteral("a.col")};
    QTest::newRow("derive and fix") << QStringList{QStringLiteral("--derive"), QStringLiteral("red"),
                                                   QStringLiteral("--fix"), QStringLiteral("a.col"),
                                                   QStringLiteral("b.col")};
    QTest::newRow("fix and contrast") << QStringList{QStringLiteral("--fix"), QStringLiteral("--contrast"),
                                                     QStringLiteral("a.col"), QStringLiteral("b.col")};
    QTest::newRow("contrast and render") << QStringList{QStringLiteral("--contrast"), QStringLiteral("--render"),
                                                        QStringLiteral("a.col"), QStringLiteral("b.png")};
    QTest::newRow("contrast and check") << QStringList{QStringLiteral("--contrast"), QStringLiteral("--check"),
                                                       QStringLiteral("a.col")};
    // What was typed is quoted, but no control character reaches the terminal.
    QTest::newRow("unknown scheme that clears the screen")
        << QStringList{QStringLiteral("--render"), QStringLiteral("--standard"), QStringLiteral("\x1b[2J"),
                       QStringLiteral("b.png")};
    QTest::newRow("unknown option that clears the screen") << QStringList{QStringLiteral("--\x1b[2J")};
    // A picture is written in the format its name promises, or not at all.
    QTest::newRow("output suffix of no picture format")
        << QStringList{QStringLiteral("--render"), QStringLiteral("--standard"), QStringLiteral("red"),
                       QStringLiteral("b.col")};
    QTest::newRow("output without suffix") << QStringList{QStringLiteral("--render"), path(QStringLiteral("good.col")),
                                                          QStringLiteral("b")};
    for (const char *vision : {"normal", "prot", "deuteranopia", "", "\x1b[2J"}) {
        QTest::addRow("simulate %s", vision) << QStringList{QStringLiteral("--render"), QStringLiteral("--simulate"),
                                                            QString::fromLatin1(vision), QStringLiteral("--standard"),
                                                            QStringLiteral("red"), QStringLiteral("b.png")};
    }
    QTest::newRow("simulate without vision") << QStringList{QStringLiteral("--render"), QStringLiteral("--standard"),
                                                            QStringLiteral("red"), QStringLiteral("b.png"),
                                                            QStringLiteral("--simulate")};
    // An empty argument names no file, for any mode.
    QTest::newRow("empty file to check") << QStringList{QStringLiteral("--check"), QString()};
    QTest::newRow("empty file among files to check")
        << QStringList{QStringLiteral("--check"), QStringLiteral("good.col"), QString()};
    QTest::newRow("empty file for contrast") << QStringList{QStringLiteral("--contrast"), QString()};
    // An option given twice must say the same both times.
    QTest::newRow("standard twice") << QStringList{QStringLiteral("--contrast"), QStringLiteral("--standard"),
                                                   QStringLiteral("blue"), QStringLiteral("--standard"),
                                                   QStringLiteral("red")};
    QTest::newRow("scale twice") << QStringList{QStringLiteral("--render"), QStringLiteral("--scale"),
                                                QStringLiteral("2"), QStringLiteral("--scale=3"),
                                                QStringLiteral("--standard"), QStringLiteral("red"),
                                                QStringLiteral("b.png")};
    QTest::newRow("simulate twice") << QStringList{QStringLiteral("--render"), QStringLiteral("--simulate"),
                                                   QStringLiteral("protan"), QStringLiteral("--standard"),
                                                   QStringLiteral("red"), QStringLiteral("--simulate"),
                                                   QStringLiteral("tritan"), QStringLiteral("b.png")};
    QTest::newRow("min-ratio twice") << QStringList{QStringLiteral("--contrast"), QStringLiteral("--min-ratio"),
                                                    QStringLiteral("7"), QStringLiteral("--min-ratio"),
                                                    QStringLiteral("4.5"), QStringLiteral("paper.col")};
    QTest::newRow("phone without render") << QStringList{QStringLiteral("--phone"), QStringLiteral("a.col")};
    QTest::newRow("phone with check") << QStringList{QStringLiteral("--check"), QStringLiteral("--phone"),
                                                     QStringLiteral("a.col")};
    QTest::newRow("simulate without render") << QStringList{QStringLiteral("--simulate"), QStringLiteral("protan")};
    QTest::newRow("simulate with contrast") << QStringList{QStringLiteral("--contrast"), QStringLiteral("--simulate"),
                                                           QStringLiteral("tritan"), QStringLiteral("a.col")};
}

void TestCommandLine::usageErrors()
{
    QFETCH(QStringList, arguments);
    const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    const QString workingDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    const Run run = vexlume(arguments);
    QDir::setCurrent(workingDirectory);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains(QStringLiteral("--help")));
    QVERIFY2(!run.err.contains(u'\x1b'), qPrintable(run.err));
    // The program's own two lines, and no word of the toolkit's.
    QVERIFY2(run.err.startsWith(QStringLiteral("vexlume: ")) && run.err.count(u'\n') == 2, qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    // A level refused is quoted, and the message says how one is written.
    if (arguments.size() == 4 && arguments.at(0) == u"--contrast" && arguments.at(1) == u"--min-ratio") {
        QVERIFY2(run.err.contains(u'\'' + arguments.at(2) + u'\''), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("written with a point")), qPrintable(run.err));
    }
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
    if (QString::fromLatin1(QTest::currentDataTag()).startsWith(u"output"))
        QVERIFY2(run.err.contains(QStringLiteral(".png, .ppm")), qPrintable(run.err)); // the suffixes it writes
}

void TestCommandLine::renderDrawsTheSchemeOverTheMasks_data()
{
    QTest::addColumn<QStringList>("source"); // the arguments that name the scheme
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("kind");       // "file", "blue", "green" or "red"
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("format");  // what the picture holds, whatever its name
    QTest::addColumn<QStringList>("view");   // --phone, --simulate VISION
    QTest::newRow("file") << QStringList{path(QStringLiteral("good.col"))} << 1 << QStringLiteral("file")
                          << QStringLiteral("render-file.png") << QByteArray("png") << QStringList();
    QTest::newRow("blue, enlarged") << QStringList{QStringLiteral("--standard"), QStringLiteral("blue")} << 3
                                    << QStringLiteral("blue") << QStringLiteral("render-blue.png") << QByteArray("png") << QStringList();
    QTest::newRow("red") << QStringList{QStringLiteral("--standard"), QStringLiteral("RED")} << 1
                         << QStringLiteral("red") << QStringLiteral("render-red.png") << QByteArray("png") << QStringList();
    QTest::newRow("green as BMP, suffix in capitals")
        << QStringList{QStringLiteral("--standard"), QStringLiteral("green")} << 2 << QStringLiteral("green")
        << QStringLiteral("render-green.BMP") << QByteArray("bmp") << QStringList();
    QTest::newRow("file as on the phone")
        << QStringList{path(QStringLiteral("good.col"))} << 1 << QStringLiteral("file")
        << QStringLiteral("render-file-phone.png") << QByteArray("png") << QStringList{QStringLiteral("--phone")};
    QTest::newRow("blue, red-blind, enlarged")
        << QStringList{QStringLiteral("--standard"), QStringLiteral("blue")} << 2 << QStringLiteral("blue")
        << QStringLiteral("render-blue-protan.png") << QByteArray("png")
        << QStringList{QStringLiteral("--simulate"), QStringLiteral("protan")};
    QTest::newRow("green, green-blind")
        << QStringList{QStringLiteral("--standard"), QStringLiteral("green")} << 1 << QStringLiteral("green")
        << QStringLiteral("render-green-deutan.png") << QByteArray("png")
        << QStringList{QStringLiteral("--simulate"), QStringLiteral("deutan")};
    QTest::newRow("green, green-blind, in capitals")
        << QStringList{QStringLiteral("--standard"), QStringLiteral("GREEN")} << 1 << QStringLiteral("green")
        << QStringLiteral("render-green-deutan-capitals.png") << QByteArray("png")
        << QStringList{QStringLiteral("--simulate"), QStringLiteral("DEUTAN")};
    QTest::newRow("red as on the phone, blue-blind")
        << QStringList{QStringLiteral("--standard"), QStringLiteral("red")} << 3 << QStringLiteral("red")
        << QStringLiteral("render-red-phone-tritan.bmp") << QByteArray("bmp")
        << QStringList{QStringLiteral("--simulate"), QStringLiteral("tritan"), QStringLiteral("--phone")};
    if (QImageWriter::supportedImageFormats().contains("jpg")) {
        QTest::newRow("red as JPEG") << QStringList{QStringLiteral("--standard"), QStringLiteral("red")} << 1
                                     << QStringLiteral("red") << QStringLiteral("render-red.jpg") << QByteArray("jpeg") << QStringList();
    }
}

void TestCommandLine::renderDrawsTheSchemeOverTheMasks()
{
    QFETCH(QStringList, source);
    QFETCH(int, scale);
    QFETCH(QString, kind);
    QFETCH(QString, output);
    QFETCH(QByteArray, format);
    QFETCH(QStringList, view);
    const QString out = path(output);
    QStringList arguments = QStringList{QStringLiteral("--render")} + view;
    if (scale != 1)
        arguments << QStringLiteral("--scale") << QString::number(scale);
    const Run run = vexlume(arguments + source + QStringList{out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());

    QCOMPARE(QImageReader(out).format(), format);
    const QImage picture(out);
    QCOMPARE(picture.size(), QSize(233, 288) * scale);
    if (format == "jpeg")
        return; // lossy: its pixels are near the colours, not on them
    const QPoint origins[6] = {{8, 24}, {120, 24}, {120, 112}, {8, 112}, {8, 200}, {120, 200}};
    for (int pane = 0; pane < 6; ++pane) {
        const QImage mask = PreviewPanes::builtInPicture(pane);
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const QRgb m = mask.pixel(x, y);
                QRgb expected = m;
                if (const auto element = ElementCode::element(qRed(m), qGreen(m))) {
                    QRgb c = qRgb(10, 20, 30); // every entry of good.col
                    if (kind != u"file")
                        c = kStandardTables[*element - 1][kind == u"blue" ? 0 : kind == u"green" ? 1 : 2];
                    expected = c;
                }
                // The phone's 16 bits first, then the vision: fixed pixels too.
                Rgb seen{quint8(qRed(expected)), quint8(qGreen(expected)), quint8(qBlue(expected))};
                if (view.contains(QStringLiteral("--phone")))
                    seen = ColourScience::phoneColour(seen);
                if (const qsizetype v = view.indexOf(QStringLiteral("--simulate")); v >= 0) {
                    const QString vision = view.at(v + 1).toLower();
                    seen = ColourScience::simulate(seen, vision == u"protan"   ? ColourScience::Vision::Protan
                                                         : vision == u"deutan" ? ColourScience::Vision::Deutan
                                                                               : ColourScience::Vision::Tritan);
                }
                expected = qRgb(seen.red, seen.green, seen.blue);
                const QPoint at = (origins[pane] + QPoint(x, y)) * scale + QPoint(scale - 1, scale - 1);
                QCOMPARE(picture.pixel(at) & 0xFFFFFF, expected & 0xFFFFFF);
            }
        }
    }
    // The background around the panes is one neutral colour.
    QCOMPARE(picture.pixel(0, 0), picture.pixel(picture.width() - 1, picture.height() - 1));
}

void TestCommandLine::renderWritesNothingForABadScheme()
{
    for (const QString &scheme : {QStringLiteral("bad.col"), QStringLiteral("short.col"), QStringLiteral("none.col"),
                                  QStringLiteral("long.col"), QStringLiteral("fifo.col")}) {
        const QString out = path(scheme + QStringLiteral(".png"));
        const Run run = vexlume({QStringLiteral("--render"), path(scheme), out});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.startsWith(path(scheme) + QStringLiteral(": ")));
        QVERIFY(!QFile::exists(out));
    }
    const Run bad = vexlume({QStringLiteral("--render"), path(QStringLiteral("bad.col")), path(QStringLiteral("x.png"))});
    QCOMPARE(bad.err.trimmed(), path(QStringLiteral("bad.col")) + QStringLiteral(": line 10: \"300\" is not a colour value (0 to 255)"));
}

void TestCommandLine::renderNeverReplacesWhatItShouldNot_data()
{
    QTest::addColumn<QString>("scheme"); // a file, or empty for the built-in blue
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("trap"); // "no room", "size limit" or none
    QTest::addColumn<QString>("problem");
    QTest::newRow("full disk, small picture") << QString() << QStringLiteral("old.png") << QStringLiteral("no room")
                                              << QString();
    QTest::newRow("full disk, large picture") << QStringLiteral("--scale 16") << QStringLiteral("old.png")
                                              << QStringLiteral("no room") << QString();
    // The signal a write beyond "ulimit -f" raises would end the program silently.
    QTest::newRow("file size limit") << QString() << QStringLiteral("old.png") << QStringLiteral("size limit")
                                     << QStringLiteral("File too large");
    QTest::newRow("fifo") << QString() << QStringLiteral("fifo.png") << QString() << QStringLiteral("not a regular file");
    QTest::newRow("folder") << QString() << QStringLiteral("folder.png") << QString() << QStringLiteral("folder");
    QTest::newRow("its own scheme file") << QStringLiteral("scheme.png") << QStringLiteral("scheme.png") << QString()
                                         << QStringLiteral("would replace the scheme file");
}

// A render that fails leaves whatever the output name led to as it was.
void TestCommandLine::renderNeverReplacesWhatItShouldNot()
{
    QFETCH(QString, scheme);
    QFETCH(QString, output);
    QFETCH(QString, trap);
    QFETCH(QString, problem);
    const QString out = path(output);
    const QByteArray old = "an old picture";
    if (output == u"old.png")
        write(output, old);

    QStringList arguments{QStringLiteral("--render")};
    if (scheme.startsWith(u"--"))
        arguments += scheme.split(u' ');
    if (!scheme.isEmpty() && !scheme.startsWith(u"--"))
        arguments << path(scheme);
    else
        arguments << QStringLiteral("--standard") << QStringLiteral("blue");
    const Run run = vexlume(arguments << out, QProcessEnvironment::systemEnvironment(),
                            trap == u"no room"      ? &NoRoomOnDisk::applyTo
                            : trap == u"size limit" ? &smallFileSizeLimit
                                                    : nullptr);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith(out + QStringLiteral(": ")), qPrintable(run.err));
    QVERIFY2(run.err.contains(problem), qPrintable(run.err));
    if (output == u"old.png") {
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        // No temporary file is left beside it.
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("old.png*")}), QStringList{QStringLiteral("old.png")});
    }
    if (output == u"fifo.png")
        QVERIFY(isFifo(out));
    if (output == u"scheme.png")
        QCOMPARE(vexlume({QStringLiteral("--check"), out}).exitCode, 0);
}

void TestCommandLine::helpAndVersion()
{
    const Run help = vexlume({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Usage: vexlume [options]")));
    QVERIFY(help.out.contains(QStringLiteral("--check")));
    QVERIFY(help.out.contains(QStringLiteral("--standard <NAME>")));
    QVERIFY(help.out.contains(QStringLiteral("--contrast")));
    QVERIFY(help.out.contains(QStringLiteral("--min-ratio <R>")));
    QVERIFY(!help.out.contains(QStringLiteral("platform")));
    QVERIFY(help.out.contains(QStringLiteral("png, ppm"))); // the formats --render writes

    const Run helpAll = vexlume({QStringLiteral("--help-all")});
    QCOMPARE(helpAll.exitCode, 0);
    QVERIFY(helpAll.out.contains(QStringLiteral("--render")));

    const Run version = vexlume({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    // One version text: the caption's, in the package too.
    QCOMPARE(version.out, QStringLiteral("vexlume 0.9.19\n"));
    QCOMPARE(Version::shortText(), QStringLiteral("0.9.19"));
    QFile packaging(QStringLiteral(VEXLUME_CPACK_CONFIG));
    QVERIFY(packaging.open(QIODevice::ReadOnly));
    QVERIFY(packaging.readAll().contains("set(CPACK_PACKAGE_VERSION \"0.9.19\")"));
}

void TestCommandLine::editorWithoutADisplaySaysSo()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    const Run run = vexlume({}, environment);
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.err.contains(QStringLiteral("xvfb-run")));
    QVERIFY(run.err.contains(QStringLiteral("--check")));
}

void TestCommandLine::theEditorTakesOneSchemeFile()
{
    const CommandLine::Invocation plain = CommandLine::parse({QStringLiteral("vexlume")});
    QCOMPARE(plain.mode, CommandLine::Mode::Editor);
    QVERIFY(plain.files.isEmpty());
    const CommandLine::Invocation file = CommandLine::parse({QStringLiteral("vexlume"), QStringLiteral("my scheme.col")});
    QCOMPARE(file.mode, CommandLine::Mode::Editor);
    QCOMPARE(file.files, QStringList{QStringLiteral("my scheme.col")});
    // Without a display it says so, file or not.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QCOMPARE(vexlume({path(QStringLiteral("good.col"))}, environment).exitCode, 1);

    // With one, the editor starts as the program starts it (the preparation
    // thread beside the toolkit) and opens the file: it then lists it as recent.
    QTemporaryDir store;
    QVERIFY(QDir(store.path()).mkpath(QStringLiteral(".")));
    QSettings agreed(store.filePath(QStringLiteral("QVX_VXL.conf")), QSettings::IniFormat);
    agreed.setValue(QStringLiteral("Reg/RegDone"), QStringLiteral("1"));
    agreed.sync();
    QProcessEnvironment shown = QProcessEnvironment::systemEnvironment();
    shown.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    shown.insert(QStringLiteral("XDG_CONFIG_HOME"), store.path());
    QProcess editor;
    editor.setProcessEnvironment(shown);
    editor.start(QStringLiteral(VEXLUME_EXECUTABLE), {path(QStringLiteral("good.col"))});
    QVERIFY(editor.waitForStarted());
    const auto listed = [&store, this] {
        QSettings stored(store.filePath(QStringLiteral("QVX_VXL.conf")), QSettings::IniFormat);
        return stored.value(QStringLiteral("Recent/files")).toStringList().contains(path(QStringLiteral("good.col")));
    };
    QTRY_VERIFY_WITH_TIMEOUT(listed(), 20000);
    QCOMPARE(editor.state(), QProcess::Running);
    editor.kill();
    editor.waitForFinished();
}

void TestCommandLine::argumentsThatAreNoTextAreRefused_data()
{
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<int>("index"); // of the argument that is no text
    QTest::newRow("picture to render") << QByteArrayList{"--render", "--standard", "blue", "bad\xff.png"} << 4;
    QTest::newRow("scheme to render") << QByteArrayList{"--render", "in\xff.col", "out.png"} << 2;
    QTest::newRow("file to check") << QByteArrayList{"--check", "good.col", "in\xff.col"} << 3;
    QTest::newRow("file for the editor") << QByteArrayList{"in\xff.col"} << 1;
}

// Taken as they decode, such names would lead to other files: a render would write
// a picture under another name, a check would find no file.
void TestCommandLine::argumentsThatAreNoTextAreRefused()
{
    QFETCH(QByteArrayList, arguments);
    QFETCH(int, index);
    QTemporaryDir dir;
    const QByteArray scheme = goodFile("Raw");
    // A name Qt cannot decode, made and removed by its bytes.
    const QByteArray raw = QFile::encodeName(dir.path()) + "/in\xff.col";
    const auto removeRaw = qScopeGuard([&raw] { ::unlink(raw.constData()); });
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, scheme.constData(), size_t(scheme.size())), ssize_t(scheme.size()));
    ::close(fd);
    QVERIFY(QFile::copy(path(QStringLiteral("good.col")), dir.filePath(QStringLiteral("good.col"))));

    // Run in the folder, without a display (an editor that started anyway ends at
    // once), with the error output caught in a file.
    const QString workingDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QHash<QByteArray, QByteArray> environment;
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (qEnvironmentVariableIsSet(name))
            environment.insert(name, qgetenv(name));
        qunsetenv(name);
    }
    std::vector<char *> argv{const_cast<char *>("vexlume")};
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const QString errors = path(QStringLiteral("errors.txt"));
    std::fflush(stderr);
    const int savedError = ::dup(2);
    const int errorFile = ::open(QFile::encodeName(errors).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(errorFile, 2);
    ::close(errorFile);
    const int status = CommandLine::run(CommandLine::read(int(argv.size()) - 1, argv.data()));
    std::fflush(stderr);
    ::dup2(savedError, 2);
    ::close(savedError);
    for (auto variable = environment.cbegin(); variable != environment.cend(); ++variable)
        qputenv(variable.key(), variable.value());
    QDir::setCurrent(workingDirectory);

    QCOMPARE(status, 2);
    const QByteArray shown = QByteArray(arguments.at(index - 1)).replace("\xff", "\\xff");
    QCOMPARE(readAll(errors), "vexlume: argument " + QByteArray::number(index)
                                  + " is not valid text in the system's encoding (" + shown
                                  + "); rename the file\nTry 'vexlume --help' for more information.\n");
    QCOMPARE(entryCount(QFile::encodeName(dir.path())), 2); // nothing written, under any name
}

// A save beyond the file size limit must fail as a full disk does, in a process
// started as main() starts it, with the signal such a write raises at its default.
void TestCommandLine::saveBeyondTheFileSizeLimitFailsAndKeepsTheOldFile()
{
    const QString target = path(QStringLiteral("limited.col"));
    ColourScheme scheme;
    scheme.loadStandard(StandardScheme::Red);
    scheme.setName(QStringLiteral("Before"));
    QCOMPARE(SchemeFile::save(scheme, target), std::nullopt);
    const QByteArray old = readAll(target);
    scheme.setName(QStringLiteral("After"));

    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        limitFileSize(rlim_t(old.size() / 2));
        CommandLine::prepareProcess();
        const auto problem = SchemeFile::save(scheme, target);
        const bool kept = readAll(target) == old;
        ::_exit(!problem ? 3 : !kept ? 4 : 0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status), "the save ended the process");
    QVERIFY2(WEXITSTATUS(status) != 3, "the save reported success");
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(readAll(target), old);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("limited.col*")}), QStringList{QStringLiteral("limited.col")});
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
