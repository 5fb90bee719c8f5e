#include "ElementCatalogue.h"

#include <QSet>
#include <QTest>

class TestElementCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void exactListTexts_data();
    void exactListTexts();
    void markersFollowThePreview();
    void everyListTextLeadsBackToItsElement();
    void elementNumberOfArbitraryTexts_data();
    void elementNumberOfArbitraryTexts();
};

void TestElementCatalogue::exactListTexts_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("text");

    QTest::newRow("de 1") << Language::German << 1 << QStringLiteral("1 - ! Schrift Display Datum/Zeit innen");
    QTest::newRow("de 8") << Language::German << 8 << QStringLiteral("8 - ? Inaktiver Text");
    QTest::newRow("de 37 trailing blank")
        << Language::German << 37 << QStringLiteral("37 - ! Meldungsfenster Text markiert Markierungsbalken ");
    QTest::newRow("de 5 umlaut") << Language::German << 5
                                 << QStringLiteral("5 - ! Basisfenstertitel Schrift Menünummer");
    QTest::newRow("de 60") << Language::German << 60 << QStringLiteral("60 - ! Reserviert für zukünftige Verwendung");
    QTest::newRow("en 19") << Language::English << 19 << QStringLiteral("19 - ! select menu shaddwow");
    QTest::newRow("en 45") << Language::English << 45 << QStringLiteral("45 - ! ratiobutton / Symbol background 2");
    QTest::newRow("fr 2 accents")
        << Language::French << 2 << QStringLiteral("2 - ! Arrière-plan - date/heure, edit.réper, calendrier");
    QTest::newRow("fr 8 english prefix") << Language::French << 8 << QStringLiteral("8 - ? ENGLISH: inactive text");
    QTest::newRow("fr 30 apostrophe")
        << Language::French << 30 << QStringLiteral("30 - ! Texte - fenêtre d'options (non-sélectionnés)");
    QTest::newRow("fr 59 marker") << Language::French << 59 << QStringLiteral("59 - ? réservé pour utilisation future");
    QTest::newRow("fr 60 marker") << Language::French << 60 << QStringLiteral("60 - ? réservé pour utilisation future");
    QTest::newRow("es 44") << Language::Spanish << 44 << QStringLiteral("44 - ! Color del radiobutton selecionado");
    QTest::newRow("es 47 english prefix")
        << Language::Spanish << 47 << QStringLiteral("47 - ? ENGLISH: organizer special event background");
    QTest::newRow("es 59") << Language::Spanish << 59 << QStringLiteral("59 - ! ENGLISH: reserved for extension");
    QTest::newRow("nl 53 english prefix")
        << Language::Dutch << 53 << QStringLiteral("53 - ? ENGLISH: colour of call number input");
    QTest::newRow("nl 55") << Language::Dutch << 55 << QStringLiteral("55 - ? WAP-Browser: Visite link");
    QTest::newRow("nl 60") << Language::Dutch << 60 << QStringLiteral("60 - ! ENGLISH: reserved for extension");
}

void TestElementCatalogue::exactListTexts()
{
    QFETCH(Language, language);
    QFETCH(int, element);
    QFETCH(QString, text);
    QCOMPARE(ElementCatalogue::listText(language, element), text);
    QCOMPARE(ElementCatalogue::listTexts(language).at(element - 1), text);
}

void TestElementCatalogue::markersFollowThePreview()
{
    // The elements the six preview screens show, pane by pane.
    const QList<QList<int>> panes = {
        {3, 4, 6, 7, 16, 17, 18, 19, 20, 21, 22, 28, 29, 42, 43, 44, 45},
        {1, 2, 6, 7, 23, 24},
        {3, 4, 6, 7, 17, 18, 19, 21, 22, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 42, 43, 44},
        {3, 4, 5, 6, 7, 18, 19, 22, 58},
        {3, 4, 6, 7, 11, 13, 22, 28, 29, 42, 44, 45},
        {3, 4, 6, 7, 15, 22, 28, 29},
    };
    QSet<int> shown;
    for (const auto &pane : panes)
        shown.unite(QSet<int>(pane.begin(), pane.end()));
    QCOMPARE(shown.size(), 35);

    for (Language language : Languages::kAll) {
        for (int element = 1; element <= 60; ++element) {
            const bool reserved = element >= 59;
            const QChar expected = shown.contains(element) || (reserved && language != Language::French)
                                       ? u'!'
                                       : u'?';
            QCOMPARE(ElementCatalogue::marker(language, element), expected);
        }
    }
}

void TestElementCatalogue::everyListTextLeadsBackToItsElement()
{
    for (Language language : Languages::kAll) {
        const QStringList texts = ElementCatalogue::listTexts(language);
        QCOMPARE(texts.size(), 60);
        for (int position = 0; position < texts.size(); ++position) {
            const QString &text = texts.at(position);
            QVERIFY2(text.startsWith(QString::number(position + 1) + QStringLiteral(" - ")), qPrintable(text));
            QVERIFY(!ElementCatalogue::name(language, position + 1).isEmpty());
            QCOMPARE(ElementCatalogue::elementNumber(text), std::optional<int>(position + 1));
        }
        // 59 and 60 share a name yet stay apart.
        QCOMPARE(texts.at(58).mid(5), texts.at(59).mid(5));
        QCOMPARE(ElementCatalogue::elementNumber(texts.at(58)), std::optional<int>(59));
    }
}

void TestElementCatalogue::elementNumberOfArbitraryTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("element"); // 0: no element

    QTest::newRow("plain") << QStringLiteral("12 - ? x") << 12;
    QTest::newRow("blanks around") << QStringLiteral("   7   - x") << 7;
    QTest::newRow("dash inside the name") << QStringLiteral("54 - ? WAP-Browser: x") << 54;
    QTest::newRow("no dash") << QStringLiteral("33") << 33;
    QTest::newRow("rounded") << QStringLiteral("2.6 - x") << 3;
    QTest::newRow("half to even") << QStringLiteral("2.5 - x") << 2;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("zero") << QStringLiteral("0 - x") << 0;
    QTest::newRow("sixty-one") << QStringLiteral("61 - x") << 0;
    QTest::newRow("negative") << QStringLiteral("-5 - x") << 0;
    QTest::newRow("words") << QStringLiteral("abc - x") << 0;
    QTest::newRow("leading dash") << QStringLiteral("- 5") << 0;
}

void TestElementCatalogue::elementNumberOfArbitraryTexts()
{
    QFETCH(QString, text);
    QFETCH(int, element);
    const std::optional<int> expected = element ? std::optional<int>(element) : std::nullopt;
    QCOMPARE(ElementCatalogue::elementNumber(text), expected);
}

QTEST_APPLESS_MAIN(TestElementCatalogue)
#include "tst_elementcatalogue.moc"
