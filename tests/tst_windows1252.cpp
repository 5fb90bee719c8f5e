#include "Windows1252.h"

#include <QTest>

class TestWindows1252 : public QObject
{
    Q_OBJECT
private slots:
    void everyByteSurvivesARoundTrip();
    void typographicCharacters();
    void charactersOutsideTheCodePage();
};

void TestWindows1252::everyByteSurvivesARoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Windows1252::decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(Windows1252::encode(text), std::optional<QByteArray>(all));
}

void TestWindows1252::typographicCharacters()
{
    QCOMPARE(Windows1252::decode("\x80\x84\x8a\x93\x94\x99\x9f"), QStringLiteral("€„Š“”™Ÿ"));
    QCOMPARE(Windows1252::decode("Gr\xfc\xdf"), QStringLiteral("Grüß"));
    QCOMPARE(Windows1252::encode(QStringLiteral("Grüße – „x“")),
             std::optional<QByteArray>(QByteArray("Gr\xfc\xdf\x65 \x96 \x84x\x93")));
}

void TestWindows1252::charactersOutsideTheCodePage()
{
    QCOMPARE(Windows1252::encode(QStringLiteral("a→b")), std::nullopt);
    QCOMPARE(Windows1252::firstUnencodable(QStringLiteral("a→b€")), std::optional<QString>(QStringLiteral("→")));
    // U+0080 has no byte: 0x80 is the euro sign.
    QVERIFY(!Windows1252::canEncode(0x80));
    QCOMPARE(Windows1252::firstUnencodable(QStringLiteral("ok \U0001F600")),
             std::optional<QString>(QStringLiteral("\U0001F600")));
    QCOMPARE(Windows1252::firstUnencodable(QStringLiteral("fine ÿ")), std::nullopt);
}

QTEST_APPLESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
