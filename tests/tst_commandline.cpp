#include "CommandLine.h"
#include "ElementCode.h"
#include "PreviewPanes.h"
#include "support/FileTraps.h"
#include "support/StandardTables.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run vexlume(const QStringList &arguments, const QProcessEnvironment &environment =
                                              QProcessEnvironment::systemEnvironment(),
            void (*beforeStart)() = nullptr)
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

QByteArray goodFile(const QByteArray &name)
{
    QByteArray bytes = "ColourScheme\r\n" + name + "\r\nData\r\n";
    for (int n = 1; n <= 60; ++n)
        bytes += "10 20 30 100\r\n";
    return bytes;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void checkGivesAVerdictPerFile();
    void checkOfOnlyGoodFilesSucceeds();
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
}

void TestCommandLine::checkGivesAVerdictPerFile()
{
    const Run run = vexlume({QStringLiteral("--check"), path(QStringLiteral("good.col")),
                             path(QStringLiteral("bad.col")), path(QStringLiteral("short.col")),
                             path(QStringLiteral("missing.col")), path(QStringLiteral("long.col")),
                             path(QStringLiteral("escape.col")), path(QStringLiteral("fifo.col"))});
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 7);
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
}

void TestCommandLine::checkOfOnlyGoodFilesSucceeds()
{
    const Run run = vexlume({QStringLiteral("--check"), path(QStringLiteral("good.col")),
                             path(QStringLiteral("nameless.col"))});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count(QStringLiteral("reads cleanly")), 2);
    QVERIFY(run.out.contains(path(QStringLiteral("nameless.col")) + QStringLiteral(": reads cleanly, scheme \"\"")));
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
}

void TestCommandLine::usageErrors()
{
    QFETCH(QStringList, arguments);
    const Run run = vexlume(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains(QStringLiteral("--help")));
    QVERIFY(run.out.isEmpty());
}

void TestCommandLine::renderDrawsTheSchemeOverTheMasks_data()
{
    QTest::addColumn<QStringList>("source"); // the arguments that name the scheme
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("kind");       // "file", "blue" or "red"
    QTest::newRow("file") << QStringList{path(QStringLiteral("good.col"))} << 1 << QStringLiteral("file");
    QTest::newRow("blue, enlarged") << QStringList{QStringLiteral("--standard"), QStringLiteral("blue")} << 3
                                    << QStringLiteral("blue");
    QTest::newRow("red") << QStringList{QStringLiteral("--standard"), QStringLiteral("RED")} << 1
                         << QStringLiteral("red");
}

void TestCommandLine::renderDrawsTheSchemeOverTheMasks()
{
    QFETCH(QStringList, source);
    QFETCH(int, scale);
    QFETCH(QString, kind);
    const QString out = path(QStringLiteral("render-%1.png").arg(kind));
    QStringList arguments{QStringLiteral("--render")};
    if (scale != 1)
        arguments << QStringLiteral("--scale") << QString::number(scale);
    const Run run = vexlume(arguments + source + QStringList{out});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());

    const QImage picture(out);
    QCOMPARE(picture.size(), QSize(233, 288) * scale);
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
                        c = kStandardTables[*element - 1][kind == u"blue" ? 0 : 2];
                    expected = c;
                }
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
    QTest::addColumn<bool>("noRoom");
    QTest::addColumn<QString>("problem");
    QTest::newRow("full disk, small picture") << QString() << QStringLiteral("old.png") << true << QString();
    QTest::newRow("full disk, large picture") << QStringLiteral("--scale 16") << QStringLiteral("old.png") << true
                                              << QString();
    QTest::newRow("fifo") << QString() << QStringLiteral("fifo.col") << false << QStringLiteral("not a regular file");
    QTest::newRow("folder") << QString() << QStringLiteral(".") << false << QStringLiteral("folder");
    QTest::newRow("its own scheme file") << QStringLiteral("good.col") << QStringLiteral("good.col") << false
                                         << QStringLiteral("would replace the scheme file");
}

// A render that fails leaves whatever the output name led to as it was.
void TestCommandLine::renderNeverReplacesWhatItShouldNot()
{
    QFETCH(QString, scheme);
    QFETCH(QString, output);
    QFETCH(bool, noRoom);
    QFETCH(QString, problem);
    const QString out = path(output);
    const QByteArray old = "an old picture";
    if (output == u"old.png")
        write(output, old);

    QStringList arguments{QStringLiteral("--render")};
    if (scheme.startsWith(u"--"))
        arguments += scheme.split(u' ');
    if (scheme.endsWith(u".col"))
        arguments << path(scheme);
    else
        arguments << QStringLiteral("--standard") << QStringLiteral("blue");
    const Run run = vexlume(arguments << out, QProcessEnvironment::systemEnvironment(),
                            noRoom ? &NoRoomOnDisk::applyTo : nullptr);
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
    if (output == u"fifo.col")
        QVERIFY(isFifo(out));
    if (output == u"good.col")
        QCOMPARE(vexlume({QStringLiteral("--check"), out}).exitCode, 0);
}

void TestCommandLine::helpAndVersion()
{
    const Run help = vexlume({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Usage: vexlume [options]")));
    QVERIFY(help.out.contains(QStringLiteral("--check")));
    QVERIFY(help.out.contains(QStringLiteral("--standard <NAME>")));
    QVERIFY(!help.out.contains(QStringLiteral("platform")));

    const Run helpAll = vexlume({QStringLiteral("--help-all")});
    QCOMPARE(helpAll.exitCode, 0);
    QVERIFY(helpAll.out.contains(QStringLiteral("--render")));

    const Run version = vexlume({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out, QStringLiteral("vexlume 0.9.0.19\n"));
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
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
