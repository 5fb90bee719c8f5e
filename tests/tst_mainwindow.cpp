#include "support/WindowTest.h"

#include "Derive.h"
#include "LargePreview.h"
#include "ProposalBar.h"
#include "QtUserDialogs.h"
#include "ReadabilityWindow.h"
#include "ReadableFix.h"
#include "SchemeFile.h"
#include "SchemeHistory.h"
#include "Texts.h"
#include "WrappingCheckBox.h"
#include "support/FileTraps.h"
#include "support/ShownText.h"
#include "support/TwoColourPicture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QMimeData>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray schemeFile(const QByteArray &name, int entries = 60)
{
    QByteArray bytes = "ColourScheme\r\n" + name + "\r\nData\r\n";
    for (int n = 1; n <= entries; ++n)
        bytes += QByteArray::number(n) + " 1 2 100\r\n";
    return bytes;
}

} // namespace

// The window as a whole: its layout, start-up state and file commands.
class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void startsWithTheBlueSchemeShownInTheEditor();
    void controlsSitWhereTheyBelong_data();
    void controlsSitWhereTheyBelong();
    void noVisibleControlIsCutOff_data();
    void noVisibleControlIsCutOff();
    void tabReachesOnlyWhatShows_data();
    void tabReachesOnlyWhatShows();
    void openingAGoodFileReplacesColoursAndName();
    void openingABadFileChangesNothing_data();
    void openingABadFileChangesNothing();
    void openingAFileWithAProblemLoadsItAndSaysSo_data();
    void openingAFileWithAProblemLoadsItAndSaysSo();
    void savingWritesTheSchemeAndCancellingIsSilent();
    void aFailedSaveIsReported();
    void nameBoxRefusesWhatAFileCannotHold_data();
    void nameBoxRefusesWhatAFileCannotHold();
    void loadingANonTrueColourMaskIsRefused();
    void droppingFiles_data();
    void droppingFiles();
    void aDerivedSchemeIsProposedBeforeItReplaces_data();
    void aDerivedSchemeIsProposedBeforeItReplaces();
    void fixAllIsProposedBeforeItChanges_data();
    void fixAllIsProposedBeforeItChanges();
    void messageBoxesShowNamesAsTheyAre();
    void statusBarCountsPairsHardToRead_data();
    void statusBarCountsPairsHardToRead();

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(bytes);
        return file.fileName();
    }
    QTemporaryDir m_dir;
};

void TestMainWindow::startsWithTheBlueSchemeShownInTheEditor()
{
    WindowFixture f;
    QCOMPARE(f.shownTitle(), QStringLiteral("Siemens S55 Vexlume  -  Version: 0.9.19 - STILL BETA ;)"));
    QCOMPARE(f.window.size(), QSize(634, 477));
    QCOMPARE(f.list()->count(), 60);
    QCOMPARE(f.list()->currentRow(), 0);
    QCOMPARE(f.list()->item(36)->text(), QStringLiteral("37 - ! Meldungsfenster Text markiert Markierungsbalken "));
    for (int element = 1; element <= 60; ++element)
        QCOMPARE(f.list()->item(element - 1)->checkState(), element == 45 ? Qt::Unchecked : Qt::Checked);

    // The list chose element 1 while the table was still black; the editor shows
    // the blue scheme's colour all the same.
    QCOMPARE(f.shownValues(), (Rgb{0, 0, 128}));
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtHelligkeit"))->text(), QStringLiteral("0"));
    QCOMPARE(f.colour(1), (Rgb{0, 0, 128}));
    const QPoint date = findPixel(1, [](int r, int g, int) { return r == 1 && g == 253; });
    QCOMPARE(f.panes().pane(1).pictureColourAt(date), (Rgb{0, 0, 128}));
    QVERIFY(f.control<QCheckBox>(QStringLiteral("chkBlink"))->isChecked());
    QVERIFY(!f.control<QCheckBox>(QStringLiteral("chkProvider"))->isChecked());
    QVERIFY(f.control<QLineEdit>(QStringLiteral("txtNamedesSchemes"))->text().isEmpty());

    f.clickElement(2);
    f.clickElement(1);
    QCOMPARE(f.shownValues(), (Rgb{0, 0, 128}));
}

void TestMainWindow::controlsSitWhereTheyBelong_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("caption"); // a frame's title, a button's or a label's text
    QTest::addColumn<QString>("state");   // "read-only", "disabled at 100", or nothing to check

    QTest::newRow("editor area") << "MainElements" << QRect(8, 32, 617, 417) << true << QString() << QString();
    QTest::newRow("status bar") << "StatusBar1" << QRect(0, 452, 634, 25) << true << QString() << QString();
    QTest::newRow("message panel") << "StatusBar1Panel1" << QRect(2, 3, 430, 20) << true << QString() << QString();
    QTest::newRow("readability panel") << "StatusBar1Panel3" << QRect(436, 3, 122, 20) << true << QStringLiteral("Schwer lesbar: 2") << QString();
    QTest::newRow("clock") << "StatusBar1Panel2" << QRect(562, 3, 70, 20) << true << QString() << QString();
    QTest::newRow("preview") << "FramePreview" << QRect(0, 0, 233, 409) << true << QStringLiteral("Preview") << QString();
    QTest::newRow("pane 0") << "PicturePreview0" << QRect(8, 24, 101, 80) << true << QString() << QString();
    QTest::newRow("pane 1") << "PicturePreview1" << QRect(120, 24, 101, 80) << true << QString() << QString();
    QTest::newRow("pane 2") << "PicturePreview2" << QRect(120, 112, 101, 80) << true << QString() << QString();
    QTest::newRow("pane 3") << "PicturePreview3" << QRect(8, 112, 101, 80) << true << QString() << QString();
    QTest::newRow("pane 4") << "PicturePreview4" << QRect(8, 200, 101, 80) << true << QString() << QString();
    QTest::newRow("pane 5") << "PicturePreview5" << QRect(120, 200, 101, 80) << true << QString() << QString();
    QTest::newRow("flash") << "chkBlink" << QRect(8, 336, 217, 25) << true << QString() << QString();
    QTest::newRow("provider") << "chkProvider" << QRect(8, 360, 217, 41) << true << QString() << QString();
    QTest::newRow("element frame") << "frameElement" << QRect(248, 0, 369, 121) << true << QStringLiteral("Element") << QString();
    QTest::newRow("element list") << "cmbElement" << QRect(8, 16, 353, 94) << true << QString() << QString();
    QTest::newRow("palette frame") << "frameFarbe256" << QRect(264, 152, 225, 177) << true << QStringLiteral("S55 Farbpalette") << QString();
    QTest::newRow("rgb frame") << "frameFarbe16Bit" << QRect(264, 152, 225, 177) << false << QStringLiteral("16 Bit Farbe") << QString();
    QTest::newRow("palette") << "picS55Palette" << QRect(16, 16, 130, 130) << true << QString() << QString();
    QTest::newRow("palette swatch") << "picColor2" << QRect(152, 16, 57, 129) << true << QString() << QString();
    QTest::newRow("red box") << "txtRGB0" << QRect(176, 16, 41, 19) << true << QString() << QString();
    QTest::newRow("blue bar") << "scrollRGB2" << QRect(24, 64, 145, 17) << true << QString() << QString();
    QTest::newRow("brightness") << "txtHelligkeit" << QRect(176, 88, 41, 19) << true << QString() << QString();
    QTest::newRow("swatch") << "picColor" << QRect(8, 136, 209, 33) << true << QString() << QString();
    QTest::newRow("lock") << "chkLock" << QRect(8, 112, 41, 17) << false << QStringLiteral("lock") << QString();
    QTest::newRow("white") << "cmdSetAll1" << QRect(176, 112, 33, 17) << true << QStringLiteral("255") << QString();
    QTest::newRow("name frame") << "FrameTitel" << QRect(248, 352, 257, 57) << true << QStringLiteral("Scheme Titel") << QString();
    QTest::newRow("name") << "txtNamedesSchemes" << QRect(8, 24, 241, 19) << true << QString() << QString();
    QTest::newRow("load mask") << "cmdLoadMask" << QRect(152, 296, 73, 25) << false << QStringLiteral("Load Mask") << QString();
    QTest::newRow("readout") << "DEVEdition3" << QRect(64, 304, 105, 17) << false << QString() << QString();
    QTest::newRow("banner text") << "DEVEdition0" << QRect(392, 0, 177, 17) << false << QString() << QString();

    QTest::newRow("palette tabs") << "TabPaletteSelect" << QRect(248, 128, 257, 217) << true << QString() << QString();
    for (int channel = 0; channel < 3; ++channel) {
        const QString index = QString::number(channel);
        QTest::addRow("palette label %d", channel) << QStringLiteral("Label8") + index
                                                   << QRect(16 + 56 * channel, 152, 17, 17) << true
                                                   << QStringLiteral("RGB").mid(channel, 1) + u':' << QString();
        QTest::addRow("palette value %d", channel) << QStringLiteral("txtS55PaletteRGB") + index
                                                   << QRect(32 + 56 * channel, 152, 33, 19) << true << QString()
                                                   << QStringLiteral("read-only");
    }
    QTest::newRow("black") << "cmdSetAll0" << QRect(96, 112, 33, 17) << true << QStringLiteral("0") << QString();
    QTest::newRow("grey") << "cmdSetAll2" << QRect(136, 112, 33, 17) << true << QStringLiteral("127") << QString();
    QTest::newRow("brightness bar") << "HScroll1" << QRect(24, 88, 145, 17) << true << QString()
                                    << QStringLiteral("disabled at 100");
    QTest::newRow("rule shadow") << "Line3" << QRect(8, 328, 217, 1) << true << QString() << QString();
    QTest::newRow("rule highlight") << "Line4" << QRect(8, 329, 217, 1) << true << QString() << QString();
    // The support texts, in their panel; their heights follow their texts.
    const QRect supportTexts[] = {{16, 32, 297, 0},  {16, 104, 297, 0}, {16, 120, 297, 0}, {16, 136, 297, 0},
                                  {16, 152, 473, 0}, {16, 192, 297, 0}, {16, 240, 321, 0}};
    for (int i = 0; i < 7; ++i)
        QTest::addRow("support text %d", i) << QStringLiteral("txtSupport%1").arg(i) << supportTexts[i] << true
                                            << QString() << QString();
}

void TestMainWindow::controlsSitWhereTheyBelong()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, shown);
    QFETCH(QString, caption);
    QFETCH(QString, state);
    WindowFixture f;
    QWidget *widget = f.control(name);
    QVERIFY(widget);
    // The RGB frame is laid out under its tab.
    QWidget *rgbFrame = f.control(QStringLiteral("frameFarbe16Bit"));
    if (widget != rgbFrame && rgbFrame->isAncestorOf(widget))
        rgbFrame->show();
    // The palette frames lie over the tab strip that owns them; their place is
    // given in the editor area.
    QRect place = widget->geometry();
    if (widget->parentWidget()->objectName() == u"TabPaletteSelect")
        place.moveTopLeft(widget->parentWidget()->mapTo(f.control(QStringLiteral("MainElements")), widget->pos()));
    if (geometry.height() == 0)
        place.setHeight(0);
    QCOMPARE(place, geometry);
    QCOMPARE(!widget->isHidden(), shown);
    if (!caption.isEmpty()) {
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(frame->title(), caption);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            QCOMPARE(button->text(), caption);
        else
            QCOMPARE(qobject_cast<QLabel *>(widget)->text(), caption);
    }
    if (state == u"read-only") { // shown, never typed into, and passed over by Tab
        QVERIFY(qobject_cast<QLineEdit *>(widget)->isReadOnly());
        QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    } else if (state == u"disabled at 100") {
        QVERIFY(!widget->isEnabled());
        QCOMPARE(qobject_cast<QScrollBar *>(widget)->value(), 100);
    }
    for (const char *hidden : {"cmdOpen", "cmdSave"})
        QVERIFY(f.control(QString::fromLatin1(hidden))->isHidden());
}

void TestMainWindow::noVisibleControlIsCutOff_data()
{
    QTest::addColumn<Language>("language");
    for (Language language : Languages::kAll)
        QTest::newRow(qPrintable(Languages::code(language))) << language;
}

void TestMainWindow::noVisibleControlIsCutOff()
{
    QFETCH(Language, language);
    WindowFixture f;
    f.window.applyLanguage(language);
    // The longest line under the panes: both views on.
    f.window.findChild<QAction *>(QStringLiteral("actPhoneColours"))->trigger();
    f.window.findChild<QAction *>(QStringLiteral("actVision1"))->trigger();
    QVERIFY(f.control(QStringLiteral("lblView"))->isVisible());
    // The palette tabs show their whole captions side by side.
    auto *tabs = f.control(QStringLiteral("TabPaletteSelect"))->findChild<QTabBar *>();
    QCOMPARE(tabs->elideMode(), Qt::ElideNone);
    QVERIFY2(tabs->tabRect(1).right() < tabs->width(), qPrintable(tabs->tabText(1)));
    for (int i = 0; i < 2; ++i) {
        // The place the style draws the caption in, inside the tab.
        QStyleOptionTab option;
        option.initFrom(tabs);
        option.rect = tabs->tabRect(i);
        option.text = tabs->tabText(i);
        option.shape = tabs->shape();
        const QRect text = tabs->style()->subElementRect(QStyle::SE_TabBarTabText, &option, tabs);
        const int needed = tabs->fontMetrics().horizontalAdvance(tabs->tabText(i));
        QVERIFY2(needed <= text.width(), qPrintable(tabs->tabText(i)));
    }
    // The editor with either palette frame, then each panel over it.
    QWidget *link = f.control(QStringLiteral("ctlLink1"));
    const QStringList views{QStringLiteral("frameFarbe256"), QStringLiteral("frameFarbe16Bit"),
                            QStringLiteral("frmCopyright"), QStringLiteral("FrameSupport"),
                            QStringLiteral("frameLinks")};
    for (const QString &view : views) {
        for (const QString &other : views)
            f.control(other)->setVisible(other == view);
        const auto widgets = f.window.findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisible() || widget->objectName().isEmpty() || !widget->parentWidget()
                || link->isAncestorOf(widget))
                continue;
            const QRect inParent = widget->geometry();
            QVERIFY2(widget->parentWidget()->rect().contains(inParent),
                     qPrintable(widget->objectName() + QStringLiteral(" lies outside its parent")));
            // Texts fit their controls; a wrapping caption fits in its lines.
            if (auto *wrapping = qobject_cast<WrappingCheckBox *>(widget)) {
                QVERIFY2(wrapping->sizeHint().height() <= wrapping->height(), qPrintable(wrapping->objectName()));
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                const int needed = button->fontMetrics().horizontalAdvance(button->text());
                QVERIFY2(needed <= button->width(), qPrintable(button->objectName()));
            } else if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
                const bool fits = label->wordWrap()
                                      ? label->heightForWidth(label->width()) <= label->height()
                                      : label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
                QVERIFY2(fits, qPrintable(label->objectName() + u' ' + label->text()));
                // Nor does a panel's text reach below its label, its last line cut.
                if (widget->parentWidget() == f.control(view)) {
                    const QRect drawn = label->fontMetrics().boundingRect(
                        QRect(0, 0, label->width(), 1000),
                        int(label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextWordWrap,
                        label->text());
                    QVERIFY2(drawn.width() <= label->width() && drawn.height() <= label->height(),
                             qPrintable(label->objectName() + u' ' + label->text()));
                }
            }
        }
        // The texts and controls of the support and links panels lie side by side, none over another.
        if (view == u"FrameSupport" || view == u"frameLinks") {
            QList<QWidget *> controls;
            for (QWidget *control : f.control(view)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (!control->isHidden())
                    controls << control;
            }
            for (QWidget *control : controls) {
                for (QWidget *other : controls)
                    QVERIFY2(other == control || !other->geometry().intersects(control->geometry()),
                             qPrintable(control->objectName() + u" over "_s + other->objectName()));
            }
        }
    }
    // The mail link under the banner shows its whole caption beside the envelope.
    auto *caption = link->findChild<QLabel *>(QStringLiteral("Link"));
    QVERIFY(caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()) <= link->width());
}

void TestMainWindow::tabReachesOnlyWhatShows_data()
{
    QTest::addColumn<bool>("agreed");
    QTest::addColumn<QStringList>("panels"); // the menu keys that show them
    QTest::newRow("editor") << true << QStringList();
    QTest::newRow("disclaimer at the first start") << false << QStringList();
    QTest::newRow("support") << true << QStringList{QStringLiteral("keySupport")};
    QTest::newRow("links") << true << QStringList{QStringLiteral("keyLinks")};
    QTest::newRow("disclaimer over the editor") << true << QStringList{QStringLiteral("keyCopyright")};
    QTest::newRow("disclaimer under the support panel")
        << true << QStringList{QStringLiteral("keySupport"), QStringLiteral("keyCopyright")};
    QTest::newRow("disclaimer under the links panel")
        << true << QStringList{QStringLiteral("keyLinks"), QStringLiteral("keyCopyright")};
}

// Every control Tab reaches is seen where it lies: nothing covers it. Before
// the user has agreed, the readability count means nothing and is no stop.
void TestMainWindow::tabReachesOnlyWhatShows()
{
    QFETCH(bool, agreed);
    QFETCH(QStringList, panels);
    WindowFixture f(agreed ? StoredSettings{{QStringLiteral("Reg/RegDone"), QStringLiteral("1")}} : StoredSettings{});
    for (const QString &panel : panels)
        f.window.dispatch(panel);
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QSet<QWidget *> reached;
    for (int tab = 0; tab < 60; ++tab) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        reached << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    for (QWidget *widget : std::as_const(reached)) {
        const QString name = widget->objectName() + QStringLiteral(" in ") + widget->parentWidget()->objectName();
        QVERIFY2(widget->isVisible(), qPrintable(name));
        const QPoint centre = widget->mapTo(&f.window, widget->rect().center());
        QWidget *top = f.window.childAt(centre);
        QVERIFY2(top == widget || widget->isAncestorOf(top) || top->focusProxy() == widget, qPrintable(name));
    }
    auto *count = f.control<QLabel>(QStringLiteral("StatusBar1Panel3"));
    QCOMPARE(reached.contains(count), agreed);
    QCOMPARE(count->text().isEmpty(), !agreed);
    QTest::mouseClick(count, Qt::LeftButton);
    const QWidget *readability = f.window.findChild<QWidget *>(QStringLiteral("readabilityWindow"));
    QCOMPARE(readability && readability->isVisible(), agreed);
}

void TestMainWindow::openingAGoodFileReplacesColoursAndName()
{
    WindowFixture f;
    f.clickElement(5);
    f.list()->item(9)->setCheckState(Qt::Unchecked);
    const QString path = write(QStringLiteral("good.col"), schemeFile("Herbst, rot"));
    f.dialogs->answers << path;
    f.press(QKeySequence::Open);

    QVERIFY(f.dialogs->messages.isEmpty());
    QCOMPARE(f.dialogs->filters.last(), QStringLiteral("*.col;;all (*)"));
    QCOMPARE(f.dialogs->folders.last(), QString()); // no folder kept yet: the toolkit's choice
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtNamedesSchemes"))->text(), QStringLiteral("Herbst, rot"));
    QCOMPARE(f.scheme().name(), QStringLiteral("Herbst, rot"));
    QCOMPARE(f.colour(7), (Rgb{7, 1, 2}));
    QCOMPARE(f.scheme().entry(7).brightness, quint8(100));
    // Flags stay; the preview is redrawn; the editor shows the current element.
    QVERIFY(!f.scheme().isVisible(10));
    QCOMPARE(f.list()->item(9)->checkState(), Qt::Unchecked);
    const QPoint bar = findPixel(0, [](int r, int g, int) { return r == 7 && g == 247; });
    QCOMPARE(f.panes().pane(0).pictureColourAt(bar), (Rgb{7, 1, 2}));
    QCOMPARE(f.shownValues(), (Rgb{5, 1, 2}));
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtHelligkeit"))->text(), QStringLiteral("100"));

    // The next file dialogs start in the file's folder, in this window and the next.
    const QString folder = QFileInfo(path).absolutePath();
    f.press(QKeySequence::Save); // cancelled
    QCOMPARE(f.dialogs->filters.last(), QStringLiteral("Colour Scheme (*.col);;all (*)"));
    QCOMPARE(f.dialogs->folders.last(), folder);
    WindowFixture again({{QStringLiteral("Reg/RegDone"), QStringLiteral("1")},
                         {QStringLiteral("Files/lastFolder"), WindowFixture::stored(QStringLiteral("Files/lastFolder"))}});
    again.window.loadMask();
    QCOMPARE(again.dialogs->folders.last(), folder);

    // A folder that can no longer be read is no place to start (unless this
    // process reads it all the same, as the superuser does).
    QFile::Permissions permissions = QFile::permissions(folder);
    QVERIFY(QFile::setPermissions(folder, {}));
    const bool stillRead = QDir(folder).entryList().contains(QStringLiteral("good.col"));
    again.window.loadMask();
    QFile::setPermissions(folder, permissions);
    QCOMPARE(again.dialogs->folders.last(), stillRead ? folder : QString());
}

void TestMainWindow::openingABadFileChangesNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("details");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("message"); // what the message says before the file's name
    const QString english = QStringLiteral("could not be opened.");
    QByteArray bad = schemeFile("Broken");
    bad.replace("14 1 2 100", "14 1 300 100");
    const QString badFile = write(QStringLiteral("bad.col"), bad);
    QTest::newRow("value out of range") << badFile << QStringLiteral("line 17: \"300\" is not a colour value (0 to 255)")
                                        << Language::English << english;
    // The program's own messages speak the language in force.
    QTest::newRow("in German") << badFile << QStringLiteral("Zeile 17: \"300\" ist kein Farbwert (0 bis 255)")
                               << Language::German << QStringLiteral("konnte nicht geöffnet werden.");
    QTest::newRow("in Spanish") << badFile << QStringLiteral("línea 17: \"300\" no es un valor de color (0 a 255)")
                                << Language::Spanish << QStringLiteral("No se pudo abrir");
    // Nothing may wait for a writer that never comes.
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.col"));
    QTest::newRow("fifo") << (makeFifo(fifo) ? fifo : QString())
                          << QStringLiteral("it is a device or other special file, not a regular file")
                          << Language::English << english;
    QTest::newRow("folder") << m_dir.path() << QStringLiteral("it is a folder, not a file") << Language::English
                            << english;
}

void TestMainWindow::openingABadFileChangesNothing()
{
    QFETCH(QString, path);
    QFETCH(QString, details);
    QFETCH(Language, language);
    QFETCH(QString, message);
    QVERIFY(!path.isEmpty());
    WindowFixture f;
    f.window.applyLanguage(language);
    f.control<QLineEdit>(QStringLiteral("txtNamedesSchemes"))->setText(QStringLiteral("Mine"));
    const ColourScheme before = f.scheme();
    const auto pictures = f.pictures();

    f.dialogs->answers << path;
    f.window.openScheme();

    QCOMPARE(f.dialogs->messages.size(), 1);
    QCOMPARE(f.dialogs->messages[0].severity, UserDialogs::Severity::Warning);
    QVERIFY(f.dialogs->messages[0].text.contains(path));
    QVERIFY(f.dialogs->messages[0].text.contains(message));
    QCOMPARE(f.dialogs->messages[0].details, details);
    QVERIFY(f.scheme().table() == before.table());
    QCOMPARE(f.scheme().name(), QStringLiteral("Mine"));
    QCOMPARE(f.pictures(), pictures);

    // Cancelling is silent.
    f.window.openScheme();
    QCOMPARE(f.dialogs->messages.size(), 1);
}

void TestMainWindow::openingAFileWithAProblemLoadsItAndSaysSo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lastElement"); // the last element the file gives a colour
    QTest::addColumn<QString>("told");    // a part of the message, empty for none

    QTest::newRow("short") << schemeFile("Kurz", 47) << QStringLiteral("Kurz") << 47 << QStringLiteral("only 47 of the 60");
    QTest::newRow("59 entries") << schemeFile("Kurz", 59) << QStringLiteral("Kurz") << 59
                                << QStringLiteral("problem.col holds only 59 of the 60 colours; the others are black.");
    QTest::newRow("61 entries")
        << schemeFile("Lang", 61) << QStringLiteral("Lang") << 60
        << QStringLiteral("problem.col goes on after its 60 colours; everything from line 64 on was ignored.");
    QTest::newRow("goes on after entry 60") << schemeFile("Lang") + "61 1 2 100\r\n1 2 3 4\r\n"
                                            << QStringLiteral("Lang") << 60 << QStringLiteral("from line 64 on");
    QTest::newRow("no name line") << schemeFile("Data").replace("Data\r\nData", "Data") << QStringLiteral("Data") << 60
                                  << QString();
    QTest::newRow("no name on the keyword line") << schemeFile("Data").replace("ColourScheme\r\nData\r\nData", "ColourScheme Data")
                                                 << QStringLiteral("Data") << 60 << QString();
}

void TestMainWindow::openingAFileWithAProblemLoadsItAndSaysSo()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(int, lastElement);
    QFETCH(QString, told);
    WindowFixture f;
    f.window.applyLanguage(Language::English);
    f.control<QLineEdit>(QStringLiteral("txtNamedesSchemes"))->setText(QStringLiteral("Before"));
    f.dialogs->answers << write(QStringLiteral("problem.col"), bytes);
    f.window.openScheme();

    QCOMPARE(f.dialogs->messages.size(), told.isEmpty() ? 0 : 1);
    if (!told.isEmpty()) {
        QCOMPARE(f.dialogs->messages[0].severity, UserDialogs::Severity::Information);
        QVERIFY2(f.dialogs->messages[0].text.contains(told), qPrintable(f.dialogs->messages[0].text));
        // Said once: the details do not repeat what the text says.
        QCOMPARE(f.dialogs->messages[0].details, QString());
    }
    QCOMPARE(f.colour(lastElement), (Rgb{quint8(lastElement), 1, 2}));
    if (lastElement < 60)
        QCOMPARE(f.colour(lastElement + 1), (Rgb{0, 0, 0}));
    QCOMPARE(f.scheme().name(), name);
    QCOMPARE(f.control<QLineEdit>(QStringLiteral("txtNamedesSchemes"))->text(), name);
    // What was loaded is drawn.
    const QPoint softkeys = findPixel(0, [](int r, int g, int) { return r == 7 && g == 247; });
    QCOMPARE(f.panes().pane(0).pictureColourAt(softkeys), (Rgb{7, 1, 2}));
}

void TestMainWindow::savingWritesTheSchemeAndCancellingIsSilent()
{
    WindowFixture f;
    f.control<QLineEdit>(QStringLiteral("txtNamedesSchemes"))->setText(QStringLiteral("Grün"));
    f.list()->item(2)->setCheckState(Qt::Unchecked);
    const QString path = m_dir.filePath(QStringLiteral("saved"));
    f.dialogs->answers << path;
    f.window.saveScheme();
    QVERIFY(f.dialogs->messages.isEmpty());
    QCOMPARE(f.dialogs->filters.last(), QStringLiteral("Colour Scheme (*.col);;all (*)"));
    // The status bar says which file was written, for a few seconds.
    auto *status = f.control<QLabel>(QStringLiteral("StatusBar1Panel1"));
    QCOMPARE(status->text(), QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(path));
    f.control<QTimer>(QStringLiteral("tmrMessage"))->start(0);
    QTRY_COMPARE(status->text(), QString());

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.at(1), QByteArray("Gr\xfcn\r"));
    QCOMPARE(lines.at(3), QByteArray("0 0 128 100\r"));
    QCOMPARE(lines.at(5), QByteArray("255 255 255 000\r"));
    QCOMPARE(lines.at(47), QByteArray("192 0 0 000\r"));

    f.window.saveScheme(); // cancelled
    QVERIFY(f.dialogs->messages.isEmpty());
    QCOMPARE(status->text(), QString());
}

void TestMainWindow::aFailedSaveIsReported()
{
    WindowFixture f;
    f.window.applyLanguage(Language::English);
    const QString path = m_dir.filePath(QStringLiteral("no/such/folder/x.col"));
    f.dialogs->answers << path;
    f.window.saveScheme();
    QCOMPARE(f.dialogs->messages.size(), 1);
    QVERIFY(f.dialogs->messages[0].text.contains(path));
    QVERIFY(!f.dialogs->messages[0].details.isEmpty());

    // A full disk: the old file stays as it was, and the user is told.
    const QByteArray old = schemeFile("Old");
    const QString existing = write(QStringLiteral("old.col"), old);
    f.dialogs->answers << existing;
    {
        NoRoomOnDisk full;
        f.window.saveScheme();
    }
    QCOMPARE(f.dialogs->messages.size(), 2);
    QVERIFY(f.dialogs->messages[1].text.contains(existing));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);

    // A FIFO is not replaced.
    const QString fifo = m_dir.filePath(QStringLiteral("out.col"));
    QVERIFY(makeFifo(fifo));
    f.dialogs->answers << fifo;
    f.window.saveScheme();
    QCOMPARE(f.dialogs->messages.size(), 3);
    QCOMPARE(f.dialogs->messages[2].details, QStringLiteral("it is a device or other special file, not a regular file"));
    QVERIFY(isFifo(fifo));

    // The large preview's "Save picture…" the same way: whole or not at all, in
    // the format its name's suffix names, never into a special file.
    f.dialogs->messages.clear();
    f.press(QKeySequence(Qt::CTRL | Qt::Key_L));
    auto *save = f.window.findChild<QPushButton *>(u"largePreviewSave"_s);
    const QString oldPicture = write(u"old.png"_s, "an old picture");
    const QString fifoPicture = m_dir.filePath(u"fifo.png"_s);
    QVERIFY(isFifo(fifoPicture) || makeFifo(fifoPicture));
    const struct
    {
        QString name;
        QString details; // empty where the picture is written
    } saves[] = {{oldPicture, u"File too large"_s}, // as a full disk
                 {fifoPicture, u"it is a device or other special file, not a regular file"_s},
                 {m_dir.filePath(u"picture.col"_s), u"the name must end in the suffix of a picture format"_s},
                 {m_dir.filePath(u"picture"_s), u"the name must end in the suffix of a picture format"_s},
                 {m_dir.filePath(u"picture.PNG"_s), QString()}};
    for (const auto &[name, details] : saves) {
        f.dialogs->answers << name;
        {
            std::optional<NoRoomOnDisk> full;
            if (name == oldPicture)
                full.emplace();
            QTest::mouseClick(save, Qt::LeftButton);
        }
        if (details.isEmpty()) {
            QVERIFY(f.dialogs->messages.isEmpty());
            QCOMPARE(QImageReader(name).format(), QByteArray("png"));
            continue;
        }
        QCOMPARE(f.dialogs->messages.size(), 1);
        const auto message = f.dialogs->messages.takeFirst();
        QCOMPARE(message.text, u"The picture %1 could not be saved."_s.arg(name));
        QVERIFY2(message.details.startsWith(details), qPrintable(message.details));
    }
    QCOMPARE(readAll(oldPicture), QByteArray("an old picture"));
    QVERIFY(isFifo(fifoPicture));
    QVERIFY(!QFile::exists(m_dir.filePath(u"picture.col"_s)) && !QFile::exists(m_dir.filePath(u"picture"_s)));
}

// What the box refuses does not appear, and the status bar says why, in the
// interface language.
void TestMainWindow::nameBoxRefusesWhatAFileCannotHold_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("status");
    QTest::newRow("arrow and face typed") << QStringLiteral("→\U0001F600") << QString()
                                          << QStringLiteral("\"→\" kann nicht in einer Colour-Scheme-Datei gespeichert werden.");
    QTest::newRow("omega typed") << QStringLiteral("Ω") << QString()
                                 << QStringLiteral("\"Ω\" kann nicht in einer Colour-Scheme-Datei gespeichert werden.");
    QTest::newRow("smile pasted") << QString() << QStringLiteral("a☺b")
                                  << QStringLiteral("\"☺\" kann nicht in einer Colour-Scheme-Datei gespeichert werden.");
    QTest::newRow("all fits") << QStringLiteral("ß") << QStringLiteral("Œ") << QString();
}

void TestMainWindow::nameBoxRefusesWhatAFileCannotHold()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, status);
    WindowFixture f;
    auto *name = f.control<QLineEdit>(QStringLiteral("txtNamedesSchemes"));
    name->setFocus();
    typeText(name, QStringLiteral("Grüße €"));
    typeText(name, typed);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    }
    const QString kept = status.isEmpty() ? QStringLiteral("Grüße €") + typed + pasted : QStringLiteral("Grüße €");
    QCOMPARE(name->text(), kept);
    QCOMPARE(f.scheme().name(), kept);
    QCOMPARE(f.control<QLabel>(QStringLiteral("StatusBar1Panel1"))->text(), status);
}

void TestMainWindow::loadingANonTrueColourMaskIsRefused()
{
    WindowFixture f;
    const QString path = m_dir.filePath(QStringLiteral("grey.bmp"));
    QVERIFY(PreviewPanes::builtInPicture(0).convertToFormat(QImage::Format_Indexed8).save(path, "BMP"));
    const auto pictures = f.pictures();
    f.dialogs->answers << path;
    QMetaObject::invokeMethod(f.control<QPushButton>(QStringLiteral("cmdLoadMask")), "click");
    QCOMPARE(f.dialogs->filters.last(), QStringLiteral("*.bmp;;all (*)"));
    QCOMPARE(f.dialogs->messages.size(), 1);
    QCOMPARE(f.dialogs->messages[0].text, QStringLiteral("Es werden nur 24-Bit Bitmaps unterstützt!"));
    QCOMPARE(f.dialogs->messages[0].details, path);
    QCOMPARE(f.pictures(), pictures);

    // Cancelling the dialog changes nothing and says nothing.
    QMetaObject::invokeMethod(f.control<QPushButton>(QStringLiteral("cmdLoadMask")), "click");
    QCOMPARE(f.dialogs->messages.size(), 1);
    QCOMPARE(f.pictures(), pictures);
}

void TestMainWindow::droppingFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("status");
    const QString good = write(QStringLiteral("dropped.col"), schemeFile("Dropped"));
    const QString other = write(QStringLiteral("other.COL"), schemeFile("Other"));
    const QString picture = write(QStringLiteral("notes.txt"), "not a scheme");
    // The history's own words: where the previous scheme is.
    QTest::newRow("a scheme") << QStringList{good} << true << QStringLiteral("<history>");
    QTest::newRow("another kind of file") << QStringList{picture} << false << QString();
    QTest::newRow("several") << QStringList{other, good, picture} << true
                             << QStringLiteral("3 files dropped; only %1 was opened.").arg(other);
    // Shown as it is, never as a live link.
    const QString markup = write(QStringLiteral("<a href=\"mailto:x@example.org\">Klick hier<br>x.col"),
                                 schemeFile("Dropped"));
    QTest::newRow("several, a name like markup") << QStringList{markup, good} << true
                                                 << QStringLiteral("2 files dropped; only %1 was opened.").arg(markup);
}

void TestMainWindow::droppingFiles()
{
    QFETCH(QStringList, files);
    QFETCH(bool, accepted);
    QFETCH(QString, status);
    if (status == QStringLiteral("<history>"))
        status = Texts::get(Text::PreviousInHistory, Language::English);
    WindowFixture f;
    f.window.applyLanguage(Language::English);
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);

    const QPoint at(300, 200);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.window, &enter);
    QCOMPARE(enter.isAccepted(), accepted); // the drop cursor says no otherwise
    if (!accepted)
        return;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.window, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(f.colour(7), (Rgb{7, 1, 2})); // opened as the open command opens it
    QCOMPARE(f.scheme().name(), QFileInfo(files.first()).baseName() == u"other"
                                           ? QStringLiteral("Other") : QStringLiteral("Dropped"));
    QVERIFY(f.dialogs->messages.isEmpty());
    QCOMPARE(f.control<QLabel>(QStringLiteral("StatusBar1Panel1"))->text(), status);
    QCOMPARE(shownText(f.control<QLabel>(QStringLiteral("StatusBar1Panel1"))), status);
}

void TestMainWindow::aDerivedSchemeIsProposedBeforeItReplaces_data()
{
    QTest::addColumn<QString>("how");     // the colour dialog, the picture command or a drop
    QTest::addColumn<QString>("source");  // the colour, or the picture's file
    QTest::addColumn<bool>("light");
    QTest::addColumn<QString>("unsaved"); // what becomes of changes made before: nothing made, "let go", "kept"
    QTest::addColumn<QString>("finish");  // "apply", "discard", "close", "cancel"; none where nothing is proposed
    QTest::addColumn<QString>("said");    // the reason given where nothing is proposed
    QVERIFY(twoColourPicture().save(m_dir.filePath(u"blue and orange.png"_s)));
    write(u"no pixels.png"_s, "these are no pixels");

    QTest::newRow("a colour, applied") << u"colour"_s << u"#3366CC"_s << false << QString() << u"apply"_s << QString();
    QTest::newRow("a picture, light, over changes let go")
        << u"chosen"_s << u"blue and orange.png"_s << true << u"let go"_s << u"apply"_s << QString();
    QTest::newRow("a dropped picture, over changes kept")
        << u"dropped"_s << u"blue and orange.png"_s << false << u"kept"_s << u"apply"_s << QString();
    QTest::newRow("a dropped picture, discarded") << u"dropped"_s << u"blue and orange.png"_s << false << u"let go"_s
                                                  << u"discard"_s << QString();
    QTest::newRow("a proposal closed with its window")
        << u"chosen"_s << u"blue and orange.png"_s << false << QString() << u"close"_s << QString();
    // Shown as it is, never as markup.
    const QString markup = u"<a href=\"mailto:x@example.org\">Klick hier<br>sun.png"_s;
    QFile::copy(m_dir.filePath(u"blue and orange.png"_s), m_dir.filePath(markup));
    QTest::newRow("a picture named like markup")
        << u"chosen"_s << markup << false << QString() << u"discard"_s << QString();
    QTest::newRow("a file that only calls itself a picture")
        << u"dropped"_s << u"no pixels.png"_s << false << QString() << QString() << u"not a picture"_s;
    // Read off the window's thread, whatever the name leads to: the window
    // never waits for a FIFO, and a folder is said to be one.
    const QString fifo = m_dir.filePath(u"fifo.png"_s);
    QVERIFY(isFifo(fifo) || makeFifo(fifo));
    QTest::newRow("a FIFO named like a picture")
        << u"dropped"_s << u"fifo.png"_s << false << QString() << QString() << u"not a regular file"_s;
    QTest::newRow("a FIFO chosen as a picture")
        << u"chosen"_s << u"fifo.png"_s << false << QString() << QString() << u"not a regular file"_s;
    QVERIFY(QDir(m_dir.path()).mkpath(u"folder.png"_s));
    QTest::newRow("a folder named like a picture")
        << u"dropped"_s << u"folder.png"_s << false << QString() << QString() << u"folder"_s;
    // A large picture takes a while: the window shows it is reading, and Cancel lets it go.
    QImage large(6000, 4000, QImage::Format_RGB32);
    large.fill(QColor(30, 70, 200));
    QVERIFY(large.save(m_dir.filePath(u"large.bmp"_s)));
    QTest::newRow("a large picture, cancelled")
        << u"dropped"_s << u"large.bmp"_s << false << QString() << u"cancel"_s << QString();
    QTest::newRow("a large picture, read while the window answers")
        << u"chosen"_s << u"large.bmp"_s << false << QString() << u"discard"_s << QString();
}

// The proposal stands beside the scheme in the large preview, derived anew for
// each choice; only Apply replaces the scheme, in one change named by its
// source, once unsaved changes are let go. A file that cannot be read as a
// picture is said so and proposes nothing.
void TestMainWindow::aDerivedSchemeIsProposedBeforeItReplaces()
{
    QFETCH(QString, how);
    QFETCH(QString, source);
    QFETCH(bool, light);
    QFETCH(QString, unsaved);
    QFETCH(QString, finish);
    QFETCH(QString, said);
    WindowFixture f;
    f.window.applyLanguage(Language::English);
    if (!unsaved.isEmpty()) {
        f.clickElement(3);
        f.typeInto(0, u"7"_s);
        f.dialogs->saveAnswers = {unsaved == u"kept" ? UserDialogs::SaveAnswer::Cancel
                                                     : UserDialogs::SaveAnswer::Discard};
    }
    const ColourScheme before = f.scheme();
    const int entries = f.window.findChild<const SchemeHistory *>(u"history"_s)->count();

    // Both commands are in the list's and the preview's context menus.
    for (const QString &menu : {u"mnuColour"_s, u"mnuPreviewView"_s}) {
        const QList<QAction *> items = f.window.findChild<QMenu *>(menu)->actions();
        QVERIFY(items.contains(f.window.findChild<QAction *>(u"actDeriveFromColour"_s)));
        QVERIFY(items.contains(f.window.findChild<QAction *>(u"actDeriveFromPicture"_s)));
    }
    const QString file = m_dir.filePath(source);
    if (how == u"colour") {
        f.window.findChild<QAction *>(u"actDeriveFromColour"_s)->trigger();
        auto *dialog = f.window.findChild<QColorDialog *>(u"deriveColourDialog"_s);
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(fromQColor(dialog->currentColor()), f.scheme().colour(1)); // the current element's
        dialog->setCurrentColor(QColor(source));
        dialog->accept();
    } else if (how == u"chosen") {
        f.dialogs->answers << file;
        f.window.findChild<QAction *>(u"actDeriveFromPicture"_s)->trigger();
        QVERIFY(f.dialogs->filters.last().contains(u"*.png"_s));
    } else {
        // With a scheme file after it, which is left alone.
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file), QUrl::fromLocalFile(write(u"after.col"_s, schemeFile("After")))});
        QDragEnterEvent enter({300, 200}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop({300, 200}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.window, &drop);
    }
    auto *window = f.window.findChild<LargePreviewWindow *>();
    if (how != u"colour") {
        // Read off the window's thread: its name, a busy sign and Cancel show meanwhile.
        QVERIFY(window && window->isVisible());
        auto *reading = window->findChild<QWidget *>(u"readingBar"_s);
        QVERIFY(reading->isVisible());
        QVERIFY(window->findChild<QWidget *>(u"readingBusy"_s)->isVisible());
        QCOMPARE(window->findChild<QLabel *>(u"readingText"_s)->toolTip(), u"Reading %1\u2026"_s.arg(source));
        if (finish == u"cancel") {
            QTest::mouseClick(window->findChild<QPushButton *>(u"readingCancel"_s), Qt::LeftButton);
            QVERIFY(reading->isHidden());
            QTest::qWait(1000); // what the read finds after all is never shown
            QVERIFY(!window->isProposing() && !window->panes()->isComparing());
            QVERIFY(f.dialogs->messages.isEmpty());
            QVERIFY(f.scheme().table() == before.table());
            return;
        }
        // The window answers throughout: a timer of 10 ms never waits 100 ms.
        QElapsedTimer sinceTick;
        qint64 longestWait = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] { longestWait = std::max(longestWait, sinceTick.restart()); });
        sinceTick.start();
        tick.start(10);
        QTRY_VERIFY_WITH_TIMEOUT(reading->isHidden(), 20000);
        QVERIFY2(longestWait < 100, qPrintable(u"%1 ms"_s.arg(longestWait)));
        if (!finish.isEmpty() && how == u"dropped")
            QCOMPARE(f.control<QLabel>(u"StatusBar1Panel1"_s)->text(),
                     u"2 files dropped; a scheme is proposed from %1 only."_s.arg(file));
    }
    if (finish.isEmpty()) {
        QVERIFY(!window || !window->isVisible());
        QCOMPARE(f.dialogs->messages.size(), 1);
        QCOMPARE(f.dialogs->messages.first().text, file + u" could not be read as a picture."_s);
        QVERIFY2(f.dialogs->messages.first().details.contains(said), qPrintable(f.dialogs->messages.first().details));
        QVERIFY(f.scheme().table() == before.table());
        return;
    }
    QVERIFY(window && window->isVisible() && window->isProposing());
    QVERIFY(window->panes()->isComparing());
    QVERIFY(f.scheme().table() == before.table()); // proposed, nothing replaced
    auto *from = window->findChild<QLabel *>(u"proposalFrom"_s);
    QCOMPARE(from->toolTip(), u"Derived from "_s + source);
    QCOMPARE(shownText(from), from->text()); // cut short where it has no room, not read as markup
    QCOMPARE(window->panes()->secondCaption(), u"Derived from "_s + source); // above the proposal

    Derive::Seeds seeds{fromQColor(QColor(source)), std::nullopt};
    if (how != u"colour")
        seeds = std::get<Derive::Seeds>(Derive::seedsOfFile(file));
    if (light)
        QTest::mouseClick(window->findChild<QRadioButton *>(u"proposalLight"_s), Qt::LeftButton);
    ColourScheme derived = Derive::fromColour(seeds.seed, {light, false}, seeds.accent).scheme;
    derived.setName(how == u"colour" ? source : QFileInfo(file).completeBaseName());

    if (finish == u"apply")
        QTest::mouseClick(window->findChild<QPushButton *>(u"proposalApply"_s), Qt::LeftButton);
    else if (finish == u"discard")
        QTest::mouseClick(window->findChild<QPushButton *>(u"proposalDiscard"_s), Qt::LeftButton);
    else
        QTest::keyClick(window->panes(), Qt::Key_Escape);
    const bool replaced = finish == u"apply" && unsaved != u"kept";
    QCOMPARE(f.dialogs->saveQuestions, int(finish == u"apply" && !unsaved.isEmpty()));
    const auto &history = *f.window.findChild<const SchemeHistory *>(u"history"_s);
    if (!replaced) {
        QVERIFY(f.scheme().table() == before.table());
        QCOMPARE(f.scheme().name(), before.name());
        QCOMPARE(history.count(), entries);
        // Kept changes keep the proposal; otherwise it is gone, and comes back with no second scheme.
        QCOMPARE(window->isProposing(), unsaved == u"kept");
        if (finish == u"close") {
            f.press(QKeySequence(Qt::CTRL | Qt::Key_L));
            QVERIFY(window->isVisible() && !window->isProposing() && !window->panes()->isComparing());
        }
        return;
    }
    QVERIFY(f.scheme().table() == derived.table());
    QCOMPARE(f.scheme().name(), derived.name());
    QVERIFY(f.scheme().visibleBits() == derived.visibleBits());
    QCOMPARE(history.count(), entries + 1);
    QCOMPARE(history.entry(history.count() - 1).change.cause, ChangeCause::Derived);
    QVERIFY(f.window.isWindowModified()); // a scheme of no file yet
    QVERIFY(!window->isProposing() && !window->panes()->isComparing());
}

void TestMainWindow::fixAllIsProposedBeforeItChanges_data()
{
    QTest::addColumn<QString>("how");       // "button" of the readability window, or "menu" (the list's and the preview's)
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("before");    // "", "one pair" (a readable scheme but for one pair), "readable"
    QTest::addColumn<QString>("meanwhile"); // "", "panel" (one covers the editor), "typed" (a colour changes)
    QTest::addColumn<QString>("finish");    // "apply", "discard", "close"
    QTest::addColumn<QString>("proposed");  // the words of the proposal: {n} colours, {amount} (slight, clear or strong)
    QTest::addColumn<QString>("told");      // the status bar's after Apply, or where nothing is proposed
    const QString english = u"Fix all: {n} colours, {amount} change ({sum})"_s;
    const QString englishDone = u"Fix all: {n} colours changed, {amount} change ({sum})"_s;
    const QString german = u"Alles verbessern: {n} Farben, {amount} Änderung ({sum})"_s;
    const QString germanDone = u"Alles verbessert: {n} Farben geändert, {amount} Änderung ({sum})"_s;

    QTest::newRow("from the menu, applied") << u"menu"_s << Language::English << QString() << QString() << u"apply"_s
                                            << english << englishDone;
    QTest::newRow("from the readability window, applied, German")
        << u"button"_s << Language::German << QString() << QString() << u"apply"_s << german << germanDone;
    QTest::newRow("one colour, applied") << u"menu"_s << Language::English << u"one pair"_s << QString() << u"apply"_s
                                         << u"Fix all: 1 colour, {amount} change ({sum})"_s
                                         << u"Fix all: 1 colour changed, {amount} change ({sum})"_s;
    QTest::newRow("one colour, German") << u"button"_s << Language::German << u"one pair"_s << QString()
                                        << u"apply"_s << u"Alles verbessern: 1 Farbe, {amount} Änderung ({sum})"_s
                                        << u"Alles verbessert: 1 Farbe geändert, {amount} Änderung ({sum})"_s;
    QTest::newRow("discarded") << u"menu"_s << Language::English << QString() << QString() << u"discard"_s << english
                               << QString();
    QTest::newRow("closed with its window") << u"button"_s << Language::German << QString() << QString()
                                            << u"close"_s << german << QString();
    QTest::newRow("under a panel") << u"menu"_s << Language::English << QString() << u"panel"_s << u"apply"_s
                                   << english << englishDone;
    QTest::newRow("a colour typed meanwhile") << u"menu"_s << Language::English << QString() << u"typed"_s
                                              << u"apply"_s << english << englishDone;
    QTest::newRow("nothing to change") << u"menu"_s << Language::English << u"readable"_s << QString() << QString()
                                       << QString() << u"Fix all: nothing to change"_s;
    QTest::newRow("nothing to change, German") << u"menu"_s << Language::German << u"readable"_s << QString()
                                               << QString() << QString() << u"Alles verbessern: nichts zu ändern"_s;
}

// Fix all stands in the large preview beside the scheme, the colours it
// changes outlined, with what it does in words, until it is applied (one
// change of the history, nothing asked) or let go. It follows the scheme:
// nothing found for another scheme is ever applied.
void TestMainWindow::fixAllIsProposedBeforeItChanges()
{
    QFETCH(QString, how);
    QFETCH(Language, language);
    QFETCH(QString, before);
    QFETCH(QString, meanwhile);
    QFETCH(QString, finish);
    QFETCH(QString, proposed);
    QFETCH(QString, told);
    WindowFixture f;
    const auto &history = *f.window.findChild<const SchemeHistory *>(u"history"_s);
    auto *status = f.control<QLabel>(u"StatusBar1Panel1"_s);
    const auto fixAll = [&f, how] {
        if (how == u"menu") {
            f.window.findChild<QAction *>(u"actFixAll"_s)->trigger();
        } else {
            QTest::mouseClick(f.control<QLabel>(u"StatusBar1Panel3"_s), Qt::LeftButton);
            QTest::mouseClick(f.window.findChild<QPushButton *>(u"readabilityFixAll"_s), Qt::LeftButton);
        }
    };
    // What the words say of a result of Fix all, worked out here.
    const auto words = [](QString pattern, const ReadableFix::FixAll &fixed, const QStringList &amounts) {
        const double mean = fixed.change / fixed.changed;
        return pattern.replace(u"{n}"_s, QString::number(fixed.changed))
            .replace(u"{amount}"_s, amounts[mean < 0.05 ? 0 : mean < 0.15 ? 1 : 2])
            .replace(u"{sum}"_s, QString::number(fixed.change, 'f', 2));
    };
    const QStringList amounts = language == Language::German ? QStringList{u"leichte"_s, u"deutliche"_s, u"starke"_s}
                                                             : QStringList{u"slight"_s, u"clear"_s, u"strong"_s};
    for (const QString &menu : {u"mnuColour"_s, u"mnuPreviewView"_s})
        QVERIFY(f.window.findChild<QMenu *>(menu)->actions().contains(f.window.findChild<QAction *>(u"actFixAll"_s)));
    if (!before.isEmpty()) {
        // Every pair readable, by the same Fix all; then the softkeys' text
        // on a background of its own colour, for one colour to change.
        f.window.findChild<QAction *>(u"actFixAll"_s)->trigger();
        QTest::mouseClick(f.window.findChild<QPushButton *>(u"proposalApply"_s), Qt::LeftButton);
        if (before == u"one pair") {
            const Rgb text = f.colour(6);
            f.clickElement(7);
            f.typeInto(0, QString::number(text.red));
            f.typeInto(1, QString::number(text.green));
            f.typeInto(2, QString::number(text.blue));
        }
    }
    f.window.applyLanguage(language);
    const ColourScheme start = f.scheme();
    const int entries = history.count();
    status->clear();
    fixAll();
    auto *window = f.window.findChild<LargePreviewWindow *>();
    if (proposed.isEmpty()) {
        QCOMPARE(status->text(), told);
        QVERIFY(!window->isProposing());
        QCOMPARE(history.count(), entries);
        return;
    }
    ReadableFix::FixAll fixed = ReadableFix::fixAll(start);
    if (before == u"one pair")
        QCOMPARE(fixed.changed, 1);
    QVERIFY(window && window->isVisible() && window->isProposing());
    auto *bar = window->findChild<ProposalBar *>();
    QVERIFY(bar->scheme().table() == fixed.scheme.table());
    QVERIFY(f.scheme().table() == start.table()); // proposed, nothing changed
    QCOMPARE(history.count(), entries);
    QCOMPARE(window->panes()->secondCaption(), words(proposed, fixed, amounts));
    auto *from = window->findChild<QLabel *>(u"proposalFrom"_s);
    QCOMPARE(from->toolTip(), words(proposed, fixed, amounts));
    QCOMPARE(shownText(from), from->text());
    // A derived scheme's choices are not Fix all's.
    for (const QString &choice : {u"proposalDark"_s, u"proposalLight"_s, u"proposalColourBlind"_s})
        QVERIFY(window->findChild<QWidget *>(choice)->isHidden());
    auto *apply = window->findChild<QPushButton *>(u"proposalApply"_s);

    if (meanwhile == u"panel") {
        f.window.dispatch(u"keyLinks"_s);
        QVERIFY(!apply->isEnabled());
        QTest::mouseClick(apply, Qt::LeftButton);
        QVERIFY(f.scheme().table() == start.table() && window->isProposing());
        QTest::mouseClick(f.control<QPushButton>(u"cmdCloseLinks"_s), Qt::LeftButton);
        QVERIFY(apply->isEnabled());
    } else if (meanwhile == u"typed") {
        // Proposed anew once the typing settles; Apply before that proposes
        // anew too, and applies nothing.
        f.clickElement(7);
        f.typeInto(1, u"200"_s);
        QTRY_VERIFY(bar->scheme().table() == ReadableFix::fixAll(f.scheme()).scheme.table());
        f.typeInto(1, u"0"_s);
        const ColourScheme typed = f.scheme();
        const int typedEntries = history.count();
        QTest::mouseClick(apply, Qt::LeftButton);
        QVERIFY(f.scheme().table() == typed.table());
        QCOMPARE(history.count(), typedEntries);
        fixed = ReadableFix::fixAll(typed);
        QVERIFY(window->isProposing());
        QVERIFY(bar->scheme().table() == fixed.scheme.table());
        QCOMPARE(window->panes()->secondCaption(), words(proposed, fixed, amounts));
    }

    const int beforeApply = history.count();
    if (finish == u"discard") {
        // The changed elements outlined on both sides, as where the same
        // scheme is compared from a file.
        const QImage shown = window->panes()->picture();
        const QString file = m_dir.filePath(u"fixed.col"_s);
        QVERIFY(!SchemeFile::save(fixed.scheme, file));
        QTest::mouseClick(window->findChild<QPushButton *>(u"proposalDiscard"_s), Qt::LeftButton);
        QVERIFY(!window->isProposing() && !window->panes()->isComparing());
        f.dialogs->answers << file;
        window->findChild<QAction *>(u"actCompareFile"_s)->trigger();
        const QImage compared = window->panes()->picture();
        const int band = PreviewPanes::position(0).y() * window->panes()->scale(); // the captions
        QCOMPARE(shown.size(), compared.size());
        QVERIFY(shown.copy(0, band, shown.width(), shown.height() - band)
                == compared.copy(0, band, shown.width(), shown.height() - band));
        bool outlined = false;
        for (int y = band; y < shown.height() && !outlined; ++y)
            for (int x = 0; x < shown.width() && !outlined; ++x)
                outlined = shown.pixel(x, y) == PreviewPanes::kOutline;
        QVERIFY(outlined);
    } else if (finish == u"close") {
        QTest::keyClick(window->panes(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        f.press(QKeySequence(Qt::CTRL | Qt::Key_L));
        QVERIFY(!window->isProposing() && !window->panes()->isComparing());
    } else {
        QTest::mouseClick(apply, Qt::LeftButton);
    }
    QCOMPARE(f.dialogs->saveQuestions, 0);
    if (finish != u"apply") {
        QVERIFY(f.scheme().table() == start.table());
        QCOMPARE(history.count(), entries);
        return;
    }
    QVERIFY(f.scheme().table() == fixed.scheme.table());
    QCOMPARE(history.count(), beforeApply + 1);
    QCOMPARE(history.entry(history.count() - 1).change.cause, ChangeCause::FixAll);
    QCOMPARE(status->text(), words(told, fixed, amounts));
    QVERIFY(!window->isProposing() && !window->panes()->isComparing());
}

// The real message boxes: a file name that looks like markup is shown as it is,
// in the message and in the text under it.
void TestMainWindow::messageBoxesShowNamesAsTheyAre()
{
    const QString path = write(QStringLiteral("<a href=\"mailto:x@example.org\">Klick hier<br>x.col"), "no scheme");
    QVERIFY(!path.isEmpty());
    QList<QStringList> shown; // per box, what its texts show
    const auto readBoxWhenShown = [&shown] {
        QTimer::singleShot(0, [&shown] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(widget);
                if (!box || !box->isVisible())
                    continue;
                QStringList texts;
                for (QLabel *label : box->findChildren<QLabel *>()) {
                    if (!label->text().isEmpty())
                        texts << shownText(label);
                }
                shown << texts;
                box->done(0);
            }
        });
    };
    WindowFixture f;
    f.window.applyLanguage(Language::English);
    f.window.setDialogs(std::make_unique<QtUserDialogs>());
    readBoxWhenShown();
    f.window.openSchemeFile(path); // it does not read
    readBoxWhenShown();
    QtUserDialogs().showMessage(&f.window, UserDialogs::Severity::Warning, QStringLiteral("<b>x</b>"), path);

    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].size(), 2);
    QVERIFY2(shown[0][0].contains(path), qPrintable(shown[0][0]));
    QCOMPARE(shown[1], (QStringList{QStringLiteral("<b>x</b>"), path}));
}

// The readability panel follows every change of colour, table, visibility and
// language. Steps: "cyan softkeys" types a green of 255 for element 7, which
// puts the white softkeys on (0, 255, 198), 1.3:1; "undo" takes back its last
// keystroke; "green" chooses the
// green scheme from the menu; "English"; "hide 6" takes element 6's check mark.
void TestMainWindow::statusBarCountsPairsHardToRead_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    const QString softkeys = QStringLiteral("6 Softkeys Schrift auf 7 Softkeys Hintergrund");
    // The blue scheme's title bar hides the black outlines of its icons; its
    // phone book icons' detail is hard to tell from their fill too.
    const QString blue = QStringLiteral("Geringster Kontrast: Umrisse der Symbole der Titelleiste auf "
                                        "4 Basisfenstertitel Hintergrund: 1.8:1 (nötig 3:1)");
    // As --contrast --standard green reports it.
    const QString green = QStringLiteral("Geringster Kontrast: 5 Basisfenstertitel Schrift Menünummer auf "
                                         "4 Basisfenstertitel Hintergrund: 1.7:1 (nötig 4.5:1)");
    QTest::newRow("start") << QStringList{} << QStringLiteral("Schwer lesbar: 2") << blue;
    QTest::newRow("a colour change") << QStringList{QStringLiteral("cyan softkeys")}
                                     << QStringLiteral("Schwer lesbar: 3")
                                     << QStringLiteral("Geringster Kontrast: %1: 1.3:1 (nötig 4.5:1)").arg(softkeys);
    QTest::newRow("undone") << QStringList{QStringLiteral("cyan softkeys"), QStringLiteral("undo")}
                            << QStringLiteral("Schwer lesbar: 2") << blue;
    QTest::newRow("green") << QStringList{QStringLiteral("green")} << QStringLiteral("Schwer lesbar: 5")
                           << green;
    QTest::newRow("green, English") << QStringList{QStringLiteral("green"), QStringLiteral("English")}
                                    << QStringLiteral("Hard to read: 5") << QStringLiteral("Lowest contrast: 5 base windows title font number on 4 base "
                                                       "window background: 1.7:1 (needs 4.5:1)");
    // The longest words of the narrow panel.
    QTest::newRow("green, Dutch") << QStringList{QStringLiteral("green"), QStringLiteral("Dutch")}
                                  << QStringLiteral("Slecht leesbaar: 5")
                                  << QStringLiteral("Laagste contrast: 5 basis venster titel lettertype nummer op 4 basis "
                                                    "venster achtergrond: 1.7:1 (nodig 4.5:1)");
    QTest::newRow("hidden") << QStringList{QStringLiteral("cyan softkeys"), QStringLiteral("hide 6")}
                            << QStringLiteral("Schwer lesbar: 2") << blue;
    // Fix all from the preview's menu, applied: every pair at its level.
    QTest::newRow("fixed all") << QStringList{QStringLiteral("cyan softkeys"), QStringLiteral("fix all")}
                               << QStringLiteral("Alles lesbar") << QString();
}

void TestMainWindow::statusBarCountsPairsHardToRead()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    WindowFixture f;
    for (const QString &step : steps) {
        if (step == u"cyan softkeys") {
            f.clickElement(7);
            f.typeInto(1, QStringLiteral("255"));
            QCOMPARE(f.colour(7), (Rgb{0, 255, 192}));
        } else if (step == u"undo") {
            f.press(QKeySequence(Qt::CTRL | Qt::Key_Z)); // takes back the last keystroke
            QCOMPARE(f.colour(7), (Rgb{0, 25, 192}));
        } else if (step == u"green") {
            QVERIFY(f.chooseByKeys(QStringLiteral("keyGreenscheme")));
            QCOMPARE(f.colour(7), (Rgb{0, 224, 0}));
        } else if (step == u"English") {
            f.window.applyLanguage(Language::English);
        } else if (step == u"Dutch") {
            f.window.applyLanguage(Language::Dutch);
        } else if (step == u"hide 6") {
            f.list()->item(5)->setCheckState(Qt::Unchecked);
            QVERIFY(!f.scheme().isVisible(6));
        } else if (step == u"fix all") {
            f.window.findChild<QAction *>(QStringLiteral("actFixAll"))->trigger();
            QTest::mouseClick(f.window.findChild<QPushButton *>(u"proposalApply"_s), Qt::LeftButton);
        }
    }
    auto *panel = f.control<QLabel>(QStringLiteral("StatusBar1Panel3"));
    QCOMPARE(panel->text(), text);
    if (!tip.isEmpty())
        QCOMPARE(panel->toolTip(), tip);
    QVERIFY(panel->fontMetrics().horizontalAdvance(panel->text()) <= panel->contentsRect().width() - panel->indent());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
