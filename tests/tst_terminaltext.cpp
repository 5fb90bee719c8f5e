#include "TerminalText.h"

#include <QTest>

class TestTerminalText : public QObject
{
    Q_OBJECT
private slots:
    void onlyPrintableCharactersReachTheTerminal_data();
    void onlyPrintableCharactersReachTheTerminal();
};

// Each row's bytes are shown twice: decoded as UTF-8 (a file or scheme name, a
// typed value) and as bytes (an argument the system's encoding cannot decode).
void TestTerminalText::onlyPrintableCharactersReachTheTerminal_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("asText");
    QTest::addColumn<QString>("asBytes");
    QTest::newRow("plain") << QByteArray("Night Sky.col") << QStringLiteral("Night Sky.col")
                           << QStringLiteral("Night Sky.col");
    QTest::newRow("escape sequence and bell") << QByteArray("\x1b]0;owned\x07 \x1f")
                                              << QStringLiteral("\\x1b]0;owned\\x07 \\x1f")
                                              << QStringLiteral("\\x1b]0;owned\\x07 \\x1f");
    QTest::newRow("NUL and delete") << QByteArray("a\0b\x7f", 4) << QStringLiteral("a\\x00b\\x7f")
                                    << QStringLiteral("a\\x00b\\x7f");
    // U+009B starts a control sequence on terminals that take 8-bit controls.
    QTest::newRow("C1 control sequence introducer") << QByteArray("\xc2\x9b" "2J") << QStringLiteral("\\x9b2J")
                                                    << QStringLiteral("\\xc2\\x9b2J");
    // A backslash is doubled, so that a name with "\x1b" in it is not taken for
    // one with an escape character.
    QTest::newRow("backslash") << QByteArray("a\\x1b") << QStringLiteral("a\\\\x1b") << QStringLiteral("a\\\\x1b");
    // A right-to-left override would show "evil\u202egpj.col" as "evil" + "loc.jpg".
    QTest::newRow("marks that turn the direction") << QByteArray("evil\xe2\x80\xaegpj.col \xe2\x80\x8f")
                                                   << QStringLiteral("evil\\u202egpj.col \\u200f")
                                                   << QStringLiteral("evil\\xe2\\x80\\xaegpj.col \\xe2\\x80\\x8f");
    QTest::newRow("printable beyond ASCII") << QByteArray("Gr\xc3\xbc\xc3\x9f\xc2\xa0\xe2\x80\xa6\xf0\x9f\x98\x80")
                                            << QStringLiteral("Grüß\u00a0…\U0001F600")
                                            << QStringLiteral("Gr\\xc3\\xbc\\xc3\\x9f\\xc2\\xa0\\xe2\\x80\\xa6"
                                                              "\\xf0\\x9f\\x98\\x80");
}

void TestTerminalText::onlyPrintableCharactersReachTheTerminal()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, asText);
    QFETCH(QString, asBytes);
    QCOMPARE(TerminalText::safe(QString::fromUtf8(bytes)), asText);
    QCOMPARE(TerminalText::safeBytes(bytes), asBytes);
}

QTEST_APPLESS_MAIN(TestTerminalText)
#include "tst_terminaltext.moc"
