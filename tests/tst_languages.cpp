#include "support/WindowTest.h"

#include "ElementCatalogue.h"
#include "ElementList.h"
#include "MenuTable.h"
#include "Texts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>

using namespace Qt::Literals::StringLiterals;

// The window in each of its five languages.
class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void switchingShowsTheLanguageEverywhere_data();
    void switchingShowsTheLanguageEverywhere();
    void flagsStandForTheirLanguages_data();
    void flagsStandForTheirLanguages();
    void noTextOfTheLanguageBeforeStays();
};

void TestLanguages::switchingShowsTheLanguageEverywhere_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("captions"); // the two tabs, the two check boxes
    QTest::addColumn<QString>("entry37");
    QTest::addColumn<QString>("support");      // how the first support text begins
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("cancel"); // Qt's own button, as file dialogs show it

    QTest::newRow("German") << Language::German
                            << QStringList{u"S55 Farbpalette"_s, u"16 Bit Farbpalette"_s, u"beim Wählen aufblitzen"_s,
                                           u"Providername ausblenden (nicht in der Vorschau zu sehen)"_s}
                            << u"37 - ! Meldungsfenster Text markiert Markierungsbalken "_s
                            << u"Wenn ein ungültiges Colour Scheme"_s << u"de"_s << u"Abbrechen"_s;
    QTest::newRow("English") << Language::English
                             << QStringList{u"S55 color palette"_s, u"16 Bit color palette"_s, u"flash on select"_s,
                                            u"don't show provider name (only on the device, not in preview)"_s}
                             << u"37 - ! message window text marked background"_s
                             << u"If you save an illegal Colour Scheme"_s << u"eng"_s << u"Cancel"_s;
    // French keeps the English captions, with its own support and element texts.
    QTest::newRow("French") << Language::French
                            << QStringList{u"S55 color palette"_s, u"16 Bit color palette"_s, u"flash on select"_s,
                                           u"don't show provider name (only on the device, not in preview)"_s}
                            << u"37 - ! Arrière-plan - fenêtre d'options (sélectionné)"_s
                            << u"Si vous chargez un thème de couleur non-valide"_s << u"frc"_s << u"Annuler"_s;
    QTest::newRow("Spanish") << Language::Spanish
                             << QStringList{u"Paleta del S55"_s, u"Paleta de colores de 16 bits"_s,
                                            u"parpadeo al seleccionar"_s,
                                            u"no mostrar el nombre de la operadora (sólo en el teléfono, no en la vista previa)"_s}
                             << u"37 - ! Color del fondo del texto seleccionado de la ventana de mensajes"_s
                             << u"Cuando se graba un esquema de color no válido"_s << u"esp"_s << u"Cancelar"_s;
    QTest::newRow("Dutch") << Language::Dutch
                           << QStringList{u"S55 kleurenpalet"_s, u"16 bit kleurenpalet"_s, u"Knipper bij selectie"_s,
                                          u"Toon geen providernaam (Aleen op het toestel, niet in het voorbeeld)"_s}
                           << u"37 - ! bericht scherm tekst geselecteerd achtergrond"_s
                           << u"Wanneer je een corrupte \"Colour Scheme\""_s << u"dutch"_s << u"Annuleren"_s;
}

void TestLanguages::switchingShowsTheLanguageEverywhere()
{
    QFETCH(Language, language);
    QFETCH(QStringList, captions);
    QFETCH(QString, entry37);
    QFETCH(QString, support);
    QFETCH(QString, code);
    QFETCH(QString, cancel);

    WindowFixture f;
    // State a switch keeps (the provider option and its two marks, a cleared
    // mark: the scheme's own) and state it resets (another element).
    auto *provider = f.control<QCheckBox>(u"chkProvider"_s);
    QTest::mouseClick(provider, Qt::LeftButton, {}, QPoint(5, provider->height() / 2));
    f.list()->item(2)->setCheckState(Qt::Unchecked);
    f.clickElement(12);
    if (language == Language::German)
        QVERIFY(f.chooseByKeys(u"keyEnglish"_s));
    QVERIFY(f.chooseByKeys(MenuTable::switchKey(language)));

    auto *tabs = f.control<QTabWidget>(u"TabPaletteSelect"_s);
    const QStringList shown{tabs->tabText(0), tabs->tabText(1), f.control<QCheckBox>(u"chkBlink"_s)->text(),
                            provider->text()};
    QCOMPARE(shown, captions);
    QVERIFY(provider->isChecked()); // the box itself is not reset
    QVERIFY(f.control<QLabel>(u"txtSupport0"_s)->text().startsWith(support));

    QCOMPARE(f.list()->count(), 60);
    QCOMPARE(f.list()->item(36)->text(), entry37);
    for (int element = 1; element <= 60; ++element) {
        // The number the entry's text begins with is the element the entry stands for.
        const QListWidgetItem *entry = f.list()->item(element - 1);
        QVERIFY(entry->text().startsWith(QString::number(element) + u" - "_s));
        QCOMPARE(ElementCatalogue::elementNumber(entry->text()), std::optional(element));
        QCOMPARE(ElementList::elementOf(entry), element);
        const bool visible = element != 3 && element != 23 && element != 24 && element != 45;
        QCOMPARE(f.list()->item(element - 1)->checkState(), visible ? Qt::Checked : Qt::Unchecked);
        QCOMPARE(f.scheme().isVisible(element), visible);
    }
    QCOMPARE(f.list()->currentRow(), 0);
    QCOMPARE(f.shownValues(), (Rgb{0, 0, 128})); // element 1 is in the editor

    QSettings settings(QSettings::UserScope, u"QVX_VXL"_s);
    QCOMPARE(settings.value(u"Reg/version"_s).toString(), code);
    // Fixed captions stay.
    QCOMPARE(f.control<QGroupBox>(u"frameElement"_s)->title(), u"Element"_s);
    // Each item of the list's context menu has an access key of its own.
    QSet<QChar> keys;
    for (const QAction *item : f.window.findChild<QMenu *>(u"mnuColour"_s)->actions()) {
        const qsizetype mark = item->text().indexOf(u'&');
        if (mark < 0)
            continue;
        const QChar key = item->text().at(mark + 1).toLower();
        QVERIFY2(!keys.contains(key), qPrintable(item->text()));
        keys.insert(key);
    }
    // Qt's own dialogs speak it too, whichever language they spoke before.
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), cancel);
}

// Each language's flag, beside its menu item (16 x 11) and on the disclaimer
// panel's selector (36 x 24): the colour of every pixel on the line through the
// middle of the flag, across its bands. For the union flag that line runs down
// its red cross.
void TestLanguages::flagsStandForTheirLanguages_data()
{
    QTest::addColumn<QString>("key"); // the menu item that switches to the language
    QTest::addColumn<int>("selector");
    QTest::addColumn<Qt::Orientation>("line");
    QTest::addColumn<QList<QColor>>("colours");
    QTest::addColumn<QString>("menu"); // an index into the colours for every pixel
    QTest::addColumn<QString>("panel");

    const QColor white(255, 255, 255);
    QTest::newRow("German") << u"keyGerman"_s << 0 << Qt::Vertical
                            << QList<QColor>{QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)}
                            << u"00011112222"_s << u"000000001111111122222222"_s;
    QTest::newRow("English") << u"keyEnglish"_s << 1 << Qt::Vertical << QList<QColor>{QColor(200, 16, 46)}
                             << u"00000000000"_s << u"000000000000000000000000"_s;
    QTest::newRow("French") << u"keyFrance"_s << 2 << Qt::Horizontal
                            << QList<QColor>{QColor(0, 35, 149), white, QColor(237, 41, 57)}
                            << u"0000011111122222"_s << u"000000000000111111111111222222222222"_s;
    QTest::newRow("Spanish") << u"keyEspanol"_s << 3 << Qt::Vertical
                             << QList<QColor>{QColor(170, 21, 27), QColor(241, 191, 0)}
                             << u"00111111000"_s << u"000000111111111111000000"_s;
    QTest::newRow("Dutch") << u"keyDutch"_s << 4 << Qt::Vertical
                           << QList<QColor>{QColor(174, 28, 40), white, QColor(33, 70, 139)}
                           << u"00011112222"_s << u"000000001111111122222222"_s;
}

void TestLanguages::flagsStandForTheirLanguages()
{
    QFETCH(QString, key);
    QFETCH(int, selector);
    QFETCH(Qt::Orientation, line);
    QFETCH(QList<QColor>, colours);
    QFETCH(QString, menu);
    QFETCH(QString, panel);

    WindowFixture f;
    const QImage inMenu = f.menuItem(key)->icon().pixmap(QSize(16, 11)).toImage();
    const QImage onPanel = f.control<QLabel>(u"picLangSelector%1"_s.arg(selector))->pixmap().toImage();
    QCOMPARE(inMenu.size(), QSize(16, 11));
    QCOMPARE(onPanel.size(), QSize(36, 24));
    for (const auto &[image, expected] : {std::pair{inMenu, menu}, std::pair{onPanel, panel}}) {
        QStringList shown;
        QStringList wanted;
        for (int i = 0; i < expected.size(); ++i) {
            const QPoint at = line == Qt::Vertical ? QPoint((image.width() - 1) / 2, i) : QPoint(i, (image.height() - 1) / 2);
            shown << image.pixelColor(at).name();
            wanted << colours.at(expected.at(i).digitValue()).name();
        }
        QCOMPARE(shown, wanted);
    }
}

namespace {

// Every word of the program's own in a language: its texts, its menu and the
// element list.
QSet<QString> wordsOf(Language language)
{
    QSet<QString> words;
    for (int text = 0; text < int(Text::Count); ++text)
        words << Texts::get(Text(text), language);
    for (const MenuTable::Item &item : MenuTable::items()) {
        if (item.kind != MenuTable::Kind::Separator)
            words << MenuTable::caption(item, language);
    }
    for (int element = 1; element <= 60; ++element) {
        words << ElementCatalogue::listText(language, element);
        words << ElementCatalogue::name(language, element).trimmed();
    }
    return words;
}

// Every text the window and its children show: captions, titles, tooltips,
// actions, tabs, list entries and the readability window's rows and columns.
QStringList shownTexts(QWidget *window)
{
    QStringList shown;
    QList<QObject *> objects = window->findChildren<QObject *>();
    objects << window;
    for (QObject *object : std::as_const(objects)) {
        if (auto *widget = qobject_cast<QWidget *>(object))
            shown << widget->windowTitle() << widget->toolTip() << widget->statusTip();
        if (auto *label = qobject_cast<QLabel *>(object))
            shown << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(object))
            shown << button->text();
        if (auto *group = qobject_cast<QGroupBox *>(object))
            shown << group->title();
        if (auto *action = qobject_cast<QAction *>(object))
            shown << action->text() << action->toolTip();
        if (auto *menu = qobject_cast<QMenu *>(object))
            shown << menu->title();
        if (auto *tabs = qobject_cast<QTabWidget *>(object)) {
            for (int i = 0; i < tabs->count(); ++i)
                shown << tabs->tabText(i);
        }
        if (auto *view = qobject_cast<QAbstractItemView *>(object)) {
            const QAbstractItemModel *model = view->model();
            for (int column = 0; column < model->columnCount(); ++column) {
                shown << model->headerData(column, Qt::Horizontal).toString();
                for (int row = 0; row < model->rowCount(); ++row) {
                    const QModelIndex index = model->index(row, column);
                    shown << index.data().toString() << index.data(Qt::ToolTipRole).toString();
                }
            }
        }
        if (auto *text = qobject_cast<QPlainTextEdit *>(object))
            shown << text->toPlainText();
    }
    return shown;
}

} // namespace

// Through all five languages and back: after each switch, nothing shown holds
// a text that only the language before has, the readability and history
// windows included.
void TestLanguages::noTextOfTheLanguageBeforeStays()
{
    WindowFixture f;
    QTest::mouseClick(f.control<QLabel>(u"StatusBar1Panel3"_s), Qt::LeftButton);
    QVERIFY(f.window.findChild<QWidget *>(u"readabilityWindow"_s));
    f.typeInto(0, u"9"_s); // a row in the history
    f.press(QKeySequence(Qt::CTRL | Qt::Key_H));
    QVERIFY(f.window.findChild<QWidget *>(u"historyWindow"_s));
    Language before = Languages::current();
    for (Language language : {Language::English, Language::French, Language::Spanish, Language::Dutch,
                              Language::German}) {
        QVERIFY(f.chooseByKeys(MenuTable::switchKey(language)));
        QCOMPARE(Languages::current(), language);
        const QSet<QString> stale = wordsOf(before) - wordsOf(language);
        for (const QString &text : shownTexts(&f.window))
            QVERIFY2(!stale.contains(text), qPrintable(Languages::code(language) + u": "_s + text));
        before = language;
    }
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
