#include "RegularFile.h"
#include "SchemeFile.h"
#include "support/FileTraps.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray crlf(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// A well-formed file body: element n gets (n, 2n, 3n) and brightness 100.
QList<QByteArray> dataLines(int count = 60)
{
    QList<QByteArray> lines;
    for (int n = 1; n <= count; ++n)
        lines << QByteArray::number(n) + ' ' + QByteArray::number(2 * n) + ' ' + QByteArray::number(3 * n) + " 100";
    return lines;
}

QList<QByteArray> header(const QByteArray &name = "Test")
{
    return {"ColourScheme", name, "Data"};
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSchemeFile : public QObject
{
    Q_OBJECT
private slots:
    void writesTheStartupSchemeExactly();
    void roundTripsRandomSchemesAndAwkwardNames();
    void readsWhatTheFileHolds_data();
    void readsWhatTheFileHolds();
    void reportsTheFirstProblem_data();
    void reportsTheFirstProblem();
    void incompleteFileLoadsWithZeros();
    void applyingKeepsFlagsAndUnnamedSchemesKeepTheirName();
    void savesUnderTheNameAsTyped();
    void refusesNamesTheFileCannotHold();
    void failedSaveLeavesTheOldFile();
    void refusesUnreadableAndHugeFiles();
};

void TestSchemeFile::writesTheStartupSchemeExactly()
{
    ColourScheme scheme;
    scheme.loadStandard(StandardScheme::Blue);
    const QByteArray bytes = *SchemeFile::serialize(scheme);

    QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.takeLast(), QByteArray()); // the last line ends with CR LF too
    QCOMPARE(lines.size(), 63);
    for (const QByteArray &line : lines)
        QVERIFY(line.endsWith('\r') && line.count('\r') == 1);
    QCOMPARE(lines.at(0), QByteArray("ColourScheme\r"));
    QCOMPARE(lines.at(1), QByteArray("\r"));
    QCOMPARE(lines.at(2), QByteArray("Data\r"));
    QCOMPARE(lines.at(3), QByteArray("0 0 128 100\r"));
    QCOMPARE(lines.at(4), QByteArray("255 255 255 100\r"));
    QCOMPARE(lines.at(2 + 12), QByteArray("32 160 192 100\r"));
    QCOMPARE(lines.at(2 + 45), QByteArray("192 0 0 000\r"));
    QCOMPARE(lines.at(62), QByteArray("0 0 0 100\r"));
}

void TestSchemeFile::roundTripsRandomSchemesAndAwkwardNames()
{
    const QStringList names = {
        QString(),
        QStringLiteral("Night Sky"),
        QStringLiteral("Blue, green and red"),
        QStringLiteral("Metadata"),
        QStringLiteral("DATA"),
        QStringLiteral("Data"),
        QStringLiteral(" data "),
        QStringLiteral("ColourScheme Data"),
        QStringLiteral("Grün & Blau – € ÿ"),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("ColourScheme inside"),
        QStringLiteral("2004 Winter"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("0 0 128 100"),
    };
    QRandomGenerator random(20261207);
    for (const QString &name : names) {
        ColourScheme scheme;
        scheme.setName(name);
        for (int element = 1; element <= 60; ++element) {
            scheme.setColour(element, {quint8(random.bounded(256)), quint8(random.bounded(256)),
                                       quint8(random.bounded(256))});
            scheme.setVisible(element, random.bounded(2));
        }
        const SchemeReadResult result = SchemeFile::parse(*SchemeFile::serialize(scheme));
        QCOMPARE(result.status, SchemeReadResult::Status::Complete);
        QCOMPARE(result.name, std::optional<QString>(name));
        for (int element = 1; element <= 60; ++element) {
            const ColourEntry &entry = result.table[element - 1];
            QCOMPARE(entry.rgb(), scheme.colour(element));
            // The flag comes back as brightness, not as a flag.
            QCOMPARE(entry.brightness, quint8(scheme.isVisible(element) ? 100 : 0));
        }
    }
}

void TestSchemeFile::readsWhatTheFileHolds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("element");
    QTest::addColumn<QList<int>>("components"); // red, green, blue, brightness

    QTest::newRow("one data line") << crlf(header() + dataLines()) << QStringLiteral("Test") << 1
                                   << QList<int>{1, 2, 3, 100};
    QList<QByteArray> lines = header() + dataLines();
    lines[3] = "0 32 128 100";
    QTest::newRow("example line") << crlf(lines) << QStringLiteral("Test") << 1 << QList<int>{0, 32, 128, 100};

    lines = dataLines();
    lines.prepend("Data");
    lines.prepend("ColourScheme Night Sky");
    QTest::newRow("name on the keyword line") << crlf(lines) << QStringLiteral("Night Sky") << 2
                                              << QList<int>{2, 4, 6, 100};
    lines[0] = "ColourScheme Night, Sky";
    QTest::newRow("keyword line stops at a comma") << crlf(lines) << QStringLiteral("Night") << 2
                                                   << QList<int>{2, 4, 6, 100};

    QTest::newRow("name line keeps its comma and its data")
        << crlf(header("Metadata, v2") + dataLines()) << QStringLiteral("Metadata, v2") << 60
        << QList<int>{60, 120, 180, 100};

    // Three numbers to a line: the numbers are taken four at a time.
    QList<QByteArray> threes = header();
    for (int i = 0; i < 80; ++i)
        threes << QByteArray::number(i) + ' ' + QByteArray::number(i) + ' ' + QByteArray::number(i);
    QTest::newRow("three-number lines shift") << crlf(threes) << QStringLiteral("Test") << 2
                                              << QList<int>{1, 1, 2, 2};

    QTest::newRow("blank lines after the last entry")
        << crlf(header() + dataLines() + QList<QByteArray>{"", "   ", ""}) << QStringLiteral("Test") << 60
        << QList<int>{60, 120, 180, 100};

    lines = header() + dataLines();
    lines[3] = "2.5 3.5 254.5 -0.4";
    QTest::newRow("halves round to even") << crlf(lines) << QStringLiteral("Test") << 1 << QList<int>{2, 4, 254, 0};

    lines = header() + dataLines();
    lines[3] = "  7 ,8,   9 , 000";
    QTest::newRow("commas and blanks") << crlf(lines) << QStringLiteral("Test") << 1 << QList<int>{7, 8, 9, 0};

    QByteArray unix = crlf(header() + dataLines());
    unix.replace("\r\n", "\n");
    QTest::newRow("LF line ends") << unix << QStringLiteral("Test") << 60 << QList<int>{60, 120, 180, 100};
    QByteArray mac = crlf(header() + dataLines());
    mac.replace("\r\n", "\r");
    QTest::newRow("CR line ends") << mac << QStringLiteral("Test") << 60 << QList<int>{60, 120, 180, 100};
    // A text-mode transfer adds a CR before every CR LF, once per pass.
    QByteArray transferred = crlf(header() + dataLines());
    transferred.replace("\r\n", "\r\r\n");
    QTest::newRow("CR CR LF line ends") << transferred << QStringLiteral("Test") << 60
                                        << QList<int>{60, 120, 180, 100};
    transferred.replace("\r\n", "\r\r\n");
    QTest::newRow("CR CR CR LF line ends") << transferred << QStringLiteral("Test") << 2
                                           << QList<int>{2, 4, 6, 100};

    QByteArray noFinalBreak = crlf(header() + dataLines());
    noFinalBreak.chop(2);
    QTest::newRow("no line end after the last line") << noFinalBreak << QStringLiteral("Test") << 60
                                                     << QList<int>{60, 120, 180, 100};

    QTest::newRow("Windows-1252 name") << crlf(header("Gr\xfcn \x80") + dataLines())
                                       << QStringLiteral("Grün €") << 1 << QList<int>{1, 2, 3, 100};

    // Headers that name no scheme: the keyword goes straight to the data.
    // Headers that go straight to the data read as the program writes a scheme
    // called "Data".
    QTest::newRow("no name line") << crlf(QList<QByteArray>{"ColourScheme", "Data"} + dataLines())
                                  << QStringLiteral("Data") << 60 << QList<int>{60, 120, 180, 100};
    QTest::newRow("no name on the keyword line") << crlf(QList<QByteArray>{"ColourScheme Data"} + dataLines())
                                                 << QStringLiteral("Data") << 1 << QList<int>{1, 2, 3, 100};
    QTest::newRow("a tab is no blank on the keyword line")
        << crlf(QList<QByteArray>{"ColourScheme\tNight", "Data"} + dataLines()) << QStringLiteral("Data") << 60
        << QList<int>{60, 120, 180, 100};
    QTest::newRow("name line that is the data keyword") << crlf(QList<QByteArray>{"ColourScheme", "Metadata"} + dataLines())
                                                        << QStringLiteral("Metadata") << 60
                                                        << QList<int>{60, 120, 180, 100};

    lines = header() + dataLines();
    lines.insert(4, "");
    lines.removeLast();
    QTest::newRow("an empty line inside the data is a zero")
        << crlf(lines + QList<QByteArray>{"1 2 3"}) << QStringLiteral("Test") << 2 << QList<int>{0, 2, 4, 6};
    // Two CRs before other text are two line ends, with the empty line between.
    lines = dataLines();
    lines.removeLast();
    const QByteArray firstEntry = crlf(header()) + lines.takeFirst() + "\r\r";
    QTest::newRow("CR CR without LF ends two lines")
        << firstEntry + crlf(lines + QList<QByteArray>{"1 2 3"}) << QStringLiteral("Test") << 2
        << QList<int>{0, 2, 4, 6};
}

void TestSchemeFile::readsWhatTheFileHolds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(int, element);
    QFETCH(QList<int>, components);

    const SchemeReadResult result = SchemeFile::parse(bytes);
    QVERIFY2(result.status == SchemeReadResult::Status::Complete, qPrintable(result.problem()));
    QCOMPARE(result.completeEntries, 60);
    QCOMPARE(result.name, std::optional<QString>(name));
    const ColourEntry &entry = result.table[element - 1];
    QCOMPARE((QList<int>{entry.red, entry.green, entry.blue, entry.brightness}), components);
}

void TestSchemeFile::reportsTheFirstProblem_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<SchemeReadResult::Status>("status");
    const auto failed = SchemeReadResult::Status::Failed;
    const auto trailing = SchemeReadResult::Status::TrailingContent;

    QList<QByteArray> lines = header() + dataLines();
    lines[13] = "0 32 300 100";
    lines[20] = "0 32 400 100";
    QTest::newRow("value above 255") << crlf(lines)
                                     << QStringLiteral("line 14: \"300\" is not a colour value (0 to 255)") << failed;
    lines = header() + dataLines();
    lines[5] = "1 2 -3 4";
    QTest::newRow("negative value") << crlf(lines) << QStringLiteral("line 6: \"-3\" is not a colour value (0 to 255)") << failed;
    lines[5] = "1 2 255.5 4";
    QTest::newRow("rounds above 255") << crlf(lines)
                                      << QStringLiteral("line 6: \"255.5\" is not a colour value (0 to 255)") << failed;
    lines[5] = "1 2 1e400 4";
    QTest::newRow("number beyond any range") << crlf(lines)
                                             << QStringLiteral("line 6: \"1e400\" is not a colour value (0 to 255)") << failed;
    lines[5] = "1 two 3 4";
    QTest::newRow("word in the data") << crlf(lines) << QStringLiteral("line 6: \"two 3 4\" is not a number") << failed;
    lines[5] = "%1 %2 3";
    QTest::newRow("place holders in the item") << crlf(lines) << QStringLiteral("line 6: \"%1 %2 3\" is not a number")
                                               << failed;
    lines[5] = "1 2x 3 4";
    QTest::newRow("letters after digits") << crlf(lines) << QStringLiteral("line 6: \"2x 3 4\" is not a number") << failed;

    // What follows the 60th entry is ignored, and said so.
    QTest::newRow("61st entry") << crlf(header() + dataLines() + QList<QByteArray>{"", "1 2 3 100"})
                                << QStringLiteral("line 65: \"1\" follows entry 60; the rest of the file is ignored")
                                << trailing;
    QTest::newRow("text after the last entry")
        << crlf(header() + dataLines() + QList<QByteArray>{"end of scheme", "Data"})
        << QStringLiteral("line 64: \"end of scheme\" follows entry 60; the rest of the file is ignored") << trailing;

    // Reading the name as data: the following "Data" keyword is not a number.
    QTest::newRow("data in the keyword line")
        << crlf(QList<QByteArray>{"ColourSchemeData", "x", "Data"} + dataLines())
        << QStringLiteral("line 2: \"x\" is not a number") << failed;

    // A long item is quoted only in part: the whole of it would take the window
    // seconds to lay out.
    const QByteArray forty(40, 'y');
    lines[5] = "1 2 " + forty;
    QTest::newRow("item of 40 characters") << crlf(lines)
                                           << QStringLiteral("line 6: \"%1\" is not a number").arg(QLatin1String(forty))
                                           << failed;
    lines[5] = "1 2 " + forty + QByteArray(SchemeFile::kMaximumFileSize - 4096, 'z');
    QTest::newRow("megabyte item") << crlf(lines)
                                   << QStringLiteral("line 6: \"%1\u2026\" is not a number").arg(QLatin1String(forty))
                                   << failed;
    lines[5] = "1 2 " + QByteArray(41, '9');
    QTest::newRow("long number") << crlf(lines)
                                 << QStringLiteral("line 6: \"%1\u2026\" is not a colour value (0 to 255)")
                                        .arg(QLatin1String(QByteArray(40, '9')))
                                 << failed;
    QTest::newRow("long text after the last entry")
        << crlf(header() + dataLines() + QList<QByteArray>{forty + "abc"})
        << QStringLiteral("line 64: \"%1\u2026\" follows entry 60; the rest of the file is ignored")
               .arg(QLatin1String(forty))
        << trailing;

    // Line numbers count a line end that went through a text-mode transfer once.
    lines = header() + dataLines();
    lines[13] = "0 32 300 100";
    QTest::newRow("CR CR LF line numbers") << crlf(lines).replace("\r\n", "\r\r\n")
                                           << QStringLiteral("line 14: \"300\" is not a colour value (0 to 255)")
                                           << failed;

    // A data section without a single number is no scheme, not 60 black entries.
    const QString noNumbers = QStringLiteral("no number follows \"Data\": this is not a colour scheme file");
    QTest::newRow("nothing after the data line") << crlf(header()) << noNumbers << failed;
    QTest::newRow("nothing after a header without a name")
        << crlf(QList<QByteArray>{"ColourScheme", "Data"}) << noNumbers << failed;
    QTest::newRow("only commas and blank lines")
        << crlf(header() + QList<QByteArray>(60, ",,, ,") + QList<QByteArray>{"", "  "}) << noNumbers << failed;
    QTest::newRow("only commas, then text") << crlf(header() + QList<QByteArray>{QByteArray(240, ','), "end"})
                                            << noNumbers << failed;

    QTest::newRow("no data keyword") << crlf(QList<QByteArray>{"ColourScheme", "Test"} + dataLines())
                                     << QStringLiteral("no \"Data\" line: this is not a colour scheme file") << failed;
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("the file is empty") << failed;
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                               << QStringLiteral("no \"Data\" line: this is not a colour scheme file") << failed;
}

void TestSchemeFile::reportsTheFirstProblem()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QFETCH(SchemeReadResult::Status, status);
    const SchemeReadResult result = SchemeFile::parse(bytes);
    QCOMPARE(result.status, status);
    QCOMPARE(result.isLoadable(), status != SchemeReadResult::Status::Failed);
    QCOMPARE(result.problem(), problem);
    if (result.isLoadable()) { // all 60 entries are there
        QCOMPARE(result.completeEntries, 60);
        QCOMPARE(result.table[59], (ColourEntry{60, 120, 180, 100}));
    }
}

void TestSchemeFile::incompleteFileLoadsWithZeros()
{
    QList<QByteArray> lines = header() + dataLines(47);
    lines << "5 6"; // half an entry
    const SchemeReadResult result = SchemeFile::parse(crlf(lines));
    QCOMPARE(result.status, SchemeReadResult::Status::Incomplete);
    QVERIFY(result.isLoadable());
    QCOMPARE(result.completeEntries, 47);
    QCOMPARE(result.problem(), QStringLiteral("line 51: the file ends after 47 of 60 entries"));
    QCOMPARE(result.table[46].red, quint8(47));
    QCOMPARE(result.table[47], (ColourEntry{5, 6, 0, 0}));
    QCOMPARE(result.table[59], ColourEntry{});
}

void TestSchemeFile::applyingKeepsFlagsAndUnnamedSchemesKeepTheirName()
{
    ColourScheme scheme;
    scheme.setName(QStringLiteral("Before"));
    scheme.setVisible(3, false);

    SchemeFile::parse(crlf(QList<QByteArray>{"Data"} + dataLines())).applyTo(scheme);
    QCOMPARE(scheme.name(), QStringLiteral("Before"));
    QVERIFY(!scheme.isVisible(3));
    QVERIFY(scheme.isVisible(4));
    QCOMPARE(scheme.colour(3), (Rgb{3, 6, 9}));

    SchemeFile::parse(crlf(header(QByteArray()) + dataLines())).applyTo(scheme);
    QCOMPARE(scheme.name(), QString());
}

void TestSchemeFile::savesUnderTheNameAsTyped()
{
    QTemporaryDir dir;
    ColourScheme scheme;
    scheme.loadStandard(StandardScheme::Red);
    scheme.setName(QStringLiteral("Rot"));
    const QString path = dir.filePath(QStringLiteral("mein schema"));
    QCOMPARE(SchemeFile::save(scheme, path), std::nullopt);
    QVERIFY(QFile::exists(path));
    QVERIFY(!QFile::exists(path + QStringLiteral(".col")));
    QCOMPARE(readAll(path), *SchemeFile::serialize(scheme));

    const SchemeReadResult again = SchemeFile::read(path);
    QCOMPARE(again.status, SchemeReadResult::Status::Complete);
    QCOMPARE(again.name, std::optional<QString>(QStringLiteral("Rot")));
    QCOMPARE(again.table[0].rgb(), (Rgb{128, 0, 0}));
}

void TestSchemeFile::refusesNamesTheFileCannotHold()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.col"));
    ColourScheme scheme;
    for (const QString &name : {QStringLiteral("Pfeil → rechts"), QStringLiteral("two\nlines"),
                                QStringLiteral("smile \U0001F600")}) {
        scheme.setName(name);
        const auto problem = SchemeFile::save(scheme, path);
        QVERIFY(problem.has_value());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(SchemeFile::serialize(scheme), std::nullopt);
    }
    scheme.setName(QStringLiteral("Pfeil → rechts"));
    QCOMPARE(SchemeFile::save(scheme, path)->words(Language::English),
             QStringLiteral("the scheme name contains \"→\", which a colour scheme file cannot hold"));
    QCOMPARE(SchemeFile::save(scheme, path)->words(Language::German),
             QStringLiteral("der Name des Schemas enthält \"→\", was eine Colour-Scheme-Datei nicht aufnehmen kann"));
    scheme.setName(QStringLiteral("smile \U0001F600"));
    QCOMPARE(SchemeFile::save(scheme, path)->values, QStringList{QStringLiteral("\U0001F600")});
}

void TestSchemeFile::failedSaveLeavesTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.col"));
    const QByteArray old = "ColourScheme\r\nOld\r\nData\r\n";
    QVERIFY(writeFile(path, old));

    ColourScheme scheme;
    scheme.setName(QStringLiteral("→"));
    QVERIFY(SchemeFile::save(scheme, path).has_value());
    QCOMPARE(readAll(path), old);

    // A folder where the file should go cannot be replaced.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.col")));
    scheme.setName(QStringLiteral("fine"));
    QVERIFY(SchemeFile::save(scheme, dir.filePath(QStringLiteral("folder.col"))).has_value());
    QVERIFY(SchemeFile::save(scheme, dir.filePath(QStringLiteral("missing/x.col"))).has_value());
    QCOMPARE(readAll(path), old);

    // A full disk: the last buffered write fails, and the old file must stay.
    {
        NoRoomOnDisk full;
        const auto problem = SchemeFile::save(scheme, path);
        QVERIFY(problem.has_value());
        QVERIFY2(!problem->words(Language::English).isEmpty(), "the reason is told");
    }
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.col")});

    // A FIFO where the file should go is neither written into nor replaced.
    const QString fifo = dir.filePath(QStringLiteral("fifo.col"));
    QVERIFY(makeFifo(fifo));
    QCOMPARE(SchemeFile::save(scheme, fifo)->words(Language::English),
             QStringLiteral("it is a device or other special file, not a regular file"));
    QVERIFY(isFifo(fifo));
}

void TestSchemeFile::refusesUnreadableAndHugeFiles()
{
    QTemporaryDir dir;
    const SchemeReadResult missing = SchemeFile::read(dir.filePath(QStringLiteral("none.col")));
    QCOMPARE(missing.status, SchemeReadResult::Status::Failed);
    QVERIFY(!missing.problem().isEmpty());

    const QString huge = dir.filePath(QStringLiteral("huge.col"));
    QByteArray onePast = crlf(header() + dataLines());
    onePast += QByteArray(SchemeFile::kMaximumFileSize + 1 - onePast.size(), '\n');
    QVERIFY(writeFile(huge, onePast));
    const SchemeReadResult tooLarge = SchemeFile::read(huge);
    QCOMPARE(tooLarge.status, SchemeReadResult::Status::Failed);
    QVERIFY(tooLarge.problem().contains(QStringLiteral("too large")));

    // Exactly at the limit is still read.
    QByteArray atLimit = crlf(header() + dataLines());
    atLimit += QByteArray(SchemeFile::kMaximumFileSize - atLimit.size(), '\n');
    QVERIFY(writeFile(huge, atLimit));
    QCOMPARE(SchemeFile::read(huge).status, SchemeReadResult::Status::Complete);
    // The same limit for every file read, pictures included.
    QVERIFY(writeFile(huge, "0123456789"));
    QCOMPARE(RegularFile::read(huge, 10).bytes, QByteArray("0123456789"));
    QCOMPARE(RegularFile::read(huge, 9).problem->reason, Text::FileTooLarge);

    // Nothing waits for a writer that never comes, and a folder is no file.
    const QString fifo = dir.filePath(QStringLiteral("fifo.col"));
    QVERIFY(makeFifo(fifo));
    for (const QString &special : {fifo, dir.path()}) {
        const SchemeReadResult result = SchemeFile::read(special);
        QCOMPARE(result.status, SchemeReadResult::Status::Failed);
        QVERIFY2(result.problem().contains(QStringLiteral("not a regular file"))
                     || result.problem().contains(QStringLiteral("folder")),
                 qPrintable(result.problem()));
    }
}

QTEST_APPLESS_MAIN(TestSchemeFile)
#include "tst_schemefile.moc"
