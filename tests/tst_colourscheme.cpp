#include "ColourScheme.h"
#include "StandardSchemes.h"
#include "support/StandardTables.h"

#include <QTest>

#include <stdexcept>

class TestColourScheme : public QObject
{
    Q_OBJECT
private slots:
    void accessOutsideOneToSixtyIsRefused();
    void freshSchemeIsBlackWithStartupFlags();
    void standardSchemesHoldTheirColours_data();
    void standardSchemesHoldTheirColours();
    void standardSchemesShareTheirBlacks();
    void loadingAStandardSchemeKeepsNameBrightnessAndFlags();
};

void TestColourScheme::accessOutsideOneToSixtyIsRefused()
{
    ColourScheme scheme;
    const ColourScheme before = scheme;
    for (int element : {0, 61, -1, 1000}) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, scheme.entry(element));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, scheme.setColour(element, {1, 2, 3}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, scheme.isVisible(element));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, scheme.setVisible(element, false));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, StandardSchemes::colour(StandardScheme::Red, element));
    }
    QVERIFY(scheme.table() == before.table());
    for (int element = 1; element <= 60; ++element)
        QCOMPARE(scheme.isVisible(element), before.isVisible(element));
    // The edges themselves are elements.
    scheme.setColour(1, {1, 2, 3});
    scheme.setColour(60, {4, 5, 6});
    QCOMPARE(scheme.entry(1).red, quint8(1));
    QCOMPARE(scheme.entry(60).blue, quint8(6));
}

void TestColourScheme::freshSchemeIsBlackWithStartupFlags()
{
    ColourScheme scheme;
    QVERIFY(scheme.name().isEmpty());
    for (int element = 1; element <= 60; ++element) {
        QCOMPARE(scheme.entry(element), ColourEntry{});
        QCOMPARE(scheme.isVisible(element), element != 45);
    }
    scheme.setVisible(3, false);
    scheme.setVisible(45, true);
    scheme.resetVisibleFlags();
    QVERIFY(scheme.isVisible(3));
    QVERIFY(!scheme.isVisible(45));
}

void TestColourScheme::standardSchemesHoldTheirColours_data()
{
    QTest::addColumn<StandardScheme>("scheme");
    QTest::addColumn<int>("column"); // in kStandardTables
    QTest::newRow("blue") << StandardScheme::Blue << 0;
    QTest::newRow("green") << StandardScheme::Green << 1;
    QTest::newRow("red") << StandardScheme::Red << 2;
}

void TestColourScheme::standardSchemesHoldTheirColours()
{
    QFETCH(StandardScheme, scheme);
    QFETCH(int, column);
    for (int element = 1; element <= 60; ++element) {
        const QRgb expected = kStandardTables[element - 1][column];
        QCOMPARE(StandardSchemes::colour(scheme, element),
                 (Rgb{quint8(qRed(expected)), quint8(qGreen(expected)), quint8(qBlue(expected))}));
    }
}

void TestColourScheme::standardSchemesShareTheirBlacks()
{
    for (StandardScheme scheme : {StandardScheme::Blue, StandardScheme::Green, StandardScheme::Red}) {
        for (int element : {11, 13, 15, 20, 30, 52, 59, 60})
            QCOMPARE(StandardSchemes::colour(scheme, element), Rgb{});
    }
}

void TestColourScheme::loadingAStandardSchemeKeepsNameBrightnessAndFlags()
{
    ColourScheme scheme;
    scheme.setName(QStringLiteral("Nachtblau"));
    for (int element = 1; element <= 60; ++element)
        scheme.entry(element).brightness = quint8(element % 2 ? 100 : 0);
    scheme.setVisible(23, false);

    scheme.loadStandard(StandardScheme::Green);

    QCOMPARE(scheme.name(), QStringLiteral("Nachtblau"));
    QVERIFY(!scheme.isVisible(23));
    QVERIFY(!scheme.isVisible(45));
    for (int element = 1; element <= 60; ++element) {
        QCOMPARE(scheme.entry(element).brightness, quint8(element % 2 ? 100 : 0));
        QCOMPARE(scheme.colour(element), StandardSchemes::colour(StandardScheme::Green, element));
    }
}

QTEST_APPLESS_MAIN(TestColourScheme)
#include "tst_colourscheme.moc"
