#include "support/UrlCatcher.h"
#include "support/WindowTest.h"

#include "HoverWatch.h"
#include "LargePreview.h"
#include "PanelTexts.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {
const QStringList kRegions{u"MainElements"_s, u"frmCopyright"_s, u"FrameSupport"_s, u"frameLinks"_s};

// Presses a key on the widget that has the keyboard focus, as a user does.
void pressOnFocus(int key, Qt::KeyboardModifiers modifiers = {})
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}
}

// The support, links and disclaimer panels: which of them show after what, and
// their link labels, whose watching leaves a window nobody uses asleep.
class TestPanels : public QObject
{
    Q_OBJECT
private slots:
    void panelsTakeTheEditorsPlace_data();
    void panelsTakeTheEditorsPlace();
    void aWindowFirstOpenedUnderAPanelWaitsToo();
    void theLanguageIsChosenByKeysAlone_data();
    void theLanguageIsChosenByKeysAlone();
    void linkLabelsOpenTheirAddresses_data();
    void linkLabelsOpenTheirAddresses();
    void linkLabelsUnderlineWhileThePointerIsOnThem();
    void anIdleWindowWakesOnlyForItsClock();
};

void TestPanels::panelsTakeTheEditorsPlace_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("shown"); // of MainElements, frmCopyright, FrameSupport, frameLinks

    QTest::newRow("support") << QStringList{u"keySupport"_s} << QStringList{u"FrameSupport"_s};
    QTest::newRow("links") << QStringList{u"keyLinks"_s} << QStringList{u"frameLinks"_s};
    QTest::newRow("disclaimer") << QStringList{u"keyCopyright"_s} << QStringList{u"frmCopyright"_s};
    QTest::newRow("links, then support swaps") << QStringList{u"keyLinks"_s, u"keySupport"_s}
                                               << QStringList{u"FrameSupport"_s};
    QTest::newRow("support closed") << QStringList{u"keySupport"_s, u"cmdCloseSupport"_s}
                                    << QStringList{u"MainElements"_s};
    QTest::newRow("links closed") << QStringList{u"keyLinks"_s, u"cmdCloseLinks"_s} << QStringList{u"MainElements"_s};
    QTest::newRow("disclaimer over support") << QStringList{u"keySupport"_s, u"keyCopyright"_s}
                                             << QStringList{u"frmCopyright"_s, u"FrameSupport"_s};
    // Its "ok" closes only the support panel; the disclaimer stays with the editor.
    QTest::newRow("support closed under the disclaimer")
        << QStringList{u"keySupport"_s, u"keyCopyright"_s, u"cmdCloseSupport"_s}
        << QStringList{u"MainElements"_s, u"frmCopyright"_s};
    QTest::newRow("links closed under the disclaimer")
        << QStringList{u"keyLinks"_s, u"keyCopyright"_s, u"cmdCloseLinks"_s}
        << QStringList{u"MainElements"_s, u"frmCopyright"_s};
    QTest::newRow("support, then links swaps") << QStringList{u"keySupport"_s, u"keyLinks"_s}
                                               << QStringList{u"frameLinks"_s};
    // The disclaimer under the links panel takes no click; once the links are
    // closed, it shows and "agree" takes it away.
    QTest::newRow("agreed again")
        << QStringList{u"keyLinks"_s, u"keyCopyright"_s, u"cmdZustimmen"_s, u"cmdCloseLinks"_s, u"cmdZustimmen"_s}
        << QStringList{u"MainElements"_s};
}

void TestPanels::panelsTakeTheEditorsPlace()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, shown);
    WindowFixture f;
    // An open readability window with a pair chosen, ready to fix it.
    QTest::mouseClick(f.control<QLabel>(u"StatusBar1Panel3"_s), Qt::LeftButton);
    auto *readability = f.window.findChild<QWidget *>(u"readabilityWindow"_s);
    QVERIFY(readability);
    auto *rows = readability->findChild<QTreeView *>();
    rows->setCurrentIndex(rows->model()->index(0, 0));
    auto *fix = readability->findChild<QPushButton *>(u"readabilityFix"_s);
    QVERIFY(fix->isEnabled());
    f.press(QKeySequence(Qt::CTRL | Qt::Key_L));
    auto *large = f.window.findChild<LargePanes *>(u"largePanes"_s);
    QVERIFY(large && large->isVisible());
    for (const QString &step : steps) {
        if (step.startsWith(u"key"))
            QVERIFY(f.chooseByKeys(step));
        else
            QTest::mouseClick(f.control<QPushButton>(step), Qt::LeftButton);
    }
    for (const QString &region : kRegions)
        QVERIFY2(f.control(region)->isVisible() == shown.contains(region), qPrintable(region));
    QVERIFY(f.menuBar()->isVisible()); // nothing hides the menu once shown

    // An editor under a panel takes neither the focus nor keys: Ctrl+V changes no colour.
    const bool covered = shown.size() > 1 || !shown.contains(u"MainElements"_s);
    QCOMPARE(f.control(u"MainElements"_s)->isEnabled(), !covered);
    // Nor does the readability window's Fix change the scheme unseen.
    QCOMPARE(fix->isEnabled(), !covered);
    const int current = f.list()->currentRow() + 1;
    const Rgb before = f.colour(current);
    QGuiApplication::clipboard()->setText(u"#123456"_s);
    f.list()->setFocus();
    f.press(QKeySequence::Paste);
    QCOMPARE(f.colour(current) == before, covered);
    // Nor does a click in the large preview pick an element unseen.
    const int picked = current == 21 ? 4 : 21;
    const QPoint pixel = findPixel(0, [picked](int r, int g, int) { return r == picked && g == 254 - picked; });
    const int scale = large->scale();
    const QSize screens = PreviewPanes::kRenderSize * scale;
    const QPoint origin((large->width() - screens.width()) / 2, (large->height() - screens.height()) / 2);
    const QPoint at = origin + (PreviewPanes::position(0) + pixel) * scale + QPoint(scale / 2, scale / 2);
    QCOMPARE(large->paneAt(at), std::optional(std::pair(0, pixel)));
    QTest::mouseClick(large, Qt::LeftButton, {}, at);
    QCOMPARE(f.list()->currentRow() + 1, covered ? current : picked);
}

void TestPanels::aWindowFirstOpenedUnderAPanelWaitsToo()
{
    WindowFixture f;
    QVERIFY(f.chooseByKeys(u"keyLinks"_s));
    QTest::mouseClick(f.control<QLabel>(u"StatusBar1Panel3"_s), Qt::LeftButton);
    auto *readability = f.window.findChild<QWidget *>(u"readabilityWindow"_s);
    QVERIFY(readability && readability->isVisible());
    auto *rows = readability->findChild<QTreeView *>();
    rows->setCurrentIndex(rows->model()->index(0, 0));
    auto *fix = readability->findChild<QPushButton *>(u"readabilityFix"_s);
    QVERIFY(!fix->isEnabled());
    QTest::mouseClick(f.control<QPushButton>(u"cmdCloseLinks"_s), Qt::LeftButton);
    QVERIFY(fix->isEnabled());
}

void TestPanels::theLanguageIsChosenByKeysAlone_data()
{
    QTest::addColumn<QList<int>>("keys"); // in the row of flags
    QTest::addColumn<int>("flag");        // marked after them
    QTest::addColumn<int>("answer");      // the key that presses "agree"
    QTest::addColumn<Language>("language");

    QTest::newRow("right twice, Space")
        << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Space} << 2 << int(Qt::Key_Space) << Language::French;
    QTest::newRow("down past the last flag, Return")
        << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                      Qt::Key_Return}
        << 4 << int(Qt::Key_Return) << Language::Dutch;
    QTest::newRow("back past the first flag, Enter")
        << QList<int>{Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_Up,
                      Qt::Key_Enter}
        << 1 << int(Qt::Key_Return) << Language::English;
}

// The disclaimer without a pointer: Tab goes from the text to the row of flags,
// whose arrows move the mark (holding at either end) and show where the focus is,
// then to "agree" and "disagree"; "agree" applies the marked language.
void TestPanels::theLanguageIsChosenByKeysAlone()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, flag);
    QFETCH(int, answer);
    QFETCH(Language, language);
    const QStringList labels{u"[german]"_s, u"[english]"_s, u"[france]"_s, u"[spain]"_s, u"[dutch]"_s};
    WindowFixture f(StoredSettings{});
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QWidget *row = f.control(u"Frame1"_s);
    QWidget *agree = f.control(u"cmdZustimmen"_s);

    // The text shows that it has the focus (it shows no caret), then the row takes it.
    QWidget *text = f.control(u"txtDisclaimer"_s);
    for (int tabs = 0; tabs < 10 && !text->hasFocus(); ++tabs)
        pressOnFocus(Qt::Key_Tab);
    QVERIFY(text->hasFocus());
    const QImage textFocused = text->grab().toImage();
    pressOnFocus(Qt::Key_Tab);
    QVERIFY(row->hasFocus());
    QVERIFY(text->grab().toImage() != textFocused);
    for (int key : keys)
        pressOnFocus(key);
    for (int i = 0; i < 5; ++i) {
        const auto *label = f.control<QLabel>(u"picLangSelector%1"_s.arg(i));
        QCOMPARE(label->frameShape() == QFrame::Box, i == flag);
    }
    QCOMPARE(f.control<QLabel>(u"lblLangSelector"_s)->text(), labels[flag]);
    QCOMPARE(Languages::current(), Language::German); // only "agree" applies it

    // The marked flag looks different while the row has the focus.
    QWidget *marked = f.control(u"picLangSelector%1"_s.arg(flag));
    const QImage focused = marked->grab().toImage();
    pressOnFocus(Qt::Key_Tab);
    QVERIFY(agree->hasFocus());
    QVERIFY(marked->grab().toImage() != focused);
    pressOnFocus(Qt::Key_Tab);
    QVERIFY(f.control(u"cmdAblehnen"_s)->hasFocus());
    pressOnFocus(Qt::Key_Tab, Qt::ShiftModifier);
    QVERIFY(agree->hasFocus());

    pressOnFocus(answer);
    QCOMPARE(Languages::current(), language);
    QVERIFY(f.control(u"MainElements"_s)->isVisible());
    QVERIFY(!f.control(u"frmCopyright"_s)->isVisible());
    QCOMPARE(f.stored(u"Reg/RegDone"_s), QVariant(u"1"_s));
    // The focus went on with the editor: no key acts on the hidden panel.
    QVERIFY(QApplication::focusWidget() && QApplication::focusWidget()->isVisible());
}

void TestPanels::linkLabelsOpenTheirAddresses_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("key"); // Tab to the label and press it, or 0 for a click
    const QString author = u"mailto:jan.voss@quorvix.example?subject=S55 Vexlume: "
                           "&body=%0D%0A%0D%0AS55 Vexlume, Version: 0.9.19"_s;
    QTest::newRow("maker") << u"keyLinks"_s << 0 << u"http://www.qvx.example/"_s << 0;
    QTest::newRow("forum") << u"keyLinks"_s << 3 << u"http://www.s55forum.example/"_s << 0;
    QTest::newRow("site") << u"keyLinks"_s << 5 << u"http://www.hwelt.example/"_s << 0;
    // The version comes from the program's version record.
    QTest::newRow("author") << u"keySupport"_s << 1 << author << 0;
    QTest::newRow("site by Return") << u"keyLinks"_s << 5 << u"http://www.hwelt.example/"_s << int(Qt::Key_Return);
    QTest::newRow("author by Space") << u"keySupport"_s << 1 << author << int(Qt::Key_Space);
}

void TestPanels::linkLabelsOpenTheirAddresses()
{
    QFETCH(QString, panel);
    QFETCH(int, index);
    QFETCH(QString, link);
    QFETCH(int, key);
    UrlCatcher catcher;
    WindowFixture f;
    f.window.dispatch(panel);
    QWidget *label = f.control(u"lblLink%1"_s.arg(index));
    if (key) {
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        // Tab brings the focus, whatever had it first: the style shows it then.
        int tabs = 0;
        do
            pressOnFocus(Qt::Key_Tab);
        while (!label->hasFocus() && ++tabs < 10);
        QVERIFY(label->hasFocus());
        QVERIFY(catcher.opened.isEmpty());
        pressOnFocus(key);
        const QImage focused = label->grab().toImage();
        pressOnFocus(Qt::Key_Tab);
        QVERIFY(label->grab().toImage() != focused); // the focus showed
    } else {
        QTest::mouseClick(label, Qt::LeftButton, {}, {3, 3});
    }
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(link, QUrl::TolerantMode)});
    if (index == 1)
        QCOMPARE(PanelTexts::authorMailLink(), link);

    // The mail link under the banner writes to the maker about this version.
    catcher.opened.clear();
    f.window.dispatch(u"keyLinks"_s);
    QTest::mouseClick(f.control(u"ctlLink1"_s)->findChild<QLabel *>(u"Link"_s), Qt::LeftButton, {}, {3, 3});
    const QString caption = f.shownTitle();
    QCOMPARE(catcher.opened,
             QList<QUrl>{QUrl(u"mailto:support@quorvix.example?subject="_s + caption + u"&body="_s + caption,
                              QUrl::TolerantMode)});
}

void TestPanels::linkLabelsUnderlineWhileThePointerIsOnThem()
{
    WindowFixture f;
    f.window.dispatch(u"keyLinks"_s);
    auto *forum = f.control<QLabel>(u"lblLink3"_s);
    auto *site = f.control<QLabel>(u"lblLink5"_s);
    auto *timer = HoverWatch::instance().findChild<QTimer *>(u"tmrHover"_s);
    const QSignalBlocker noTicks(timer); // its ticks are called here, one by one
    QVERIFY(!timer->isActive());
    QVERIFY(!forum->font().underline());
    QCOMPARE(forum->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    // A quick move from one label to the next leaves both underlined until a tick.
    QCursor::setPos(forum->mapToGlobal(QPoint(4, 4)));
    QTest::mouseMove(forum, {4, 4});
    QCursor::setPos(site->mapToGlobal(QPoint(4, 4)));
    QTest::mouseMove(site, {4, 4});
    QVERIFY(forum->font().underline() && site->font().underline());
    QVERIFY(timer->isActive());
    // Set for the first label's next look, at most its 10 ms away.
    QVERIFY(timer->interval() > 0 && timer->interval() <= 10);
    HoverWatch::instance().check();
    QVERIFY(!forum->font().underline());
    QVERIFY(site->font().underline());

    // A closed panel's label keeps its underline until the pointer leaves its place.
    QTest::mouseClick(f.control(u"cmdCloseLinks"_s), Qt::LeftButton);
    HoverWatch::instance().check();
    QVERIFY(site->font().underline());

    // Off the window altogether.
    QCursor::setPos(f.window.mapToGlobal(QPoint(-50, -50)));
    HoverWatch::instance().check();
    QVERIFY(!site->font().underline());
    QVERIFY(!timer->isActive());

    // On the panels of a dark palette, blue gives way to the palette's link colour.
    const QColor lightBlue(42, 130, 218);
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::Link, lightBlue);
    f.window.setPalette(dark);
    for (QLabel *link : {forum, site, f.control<QLabel>(u"lblLink0"_s), f.control<QLabel>(u"lblLink1"_s),
                         f.control(u"ctlLink1"_s)->findChild<QLabel *>(u"Link"_s)})
        QCOMPARE(link->palette().color(link->foregroundRole()), lightBlue);
}

// Nothing polls: the window runs no timer but the makers' slow reset and the
// clock, which is due when its minute ends and then shows the new time.
void TestPanels::anIdleWindowWakesOnlyForItsClock()
{
    WindowFixture f;
    QList<QTimer *> timers = f.window.findChildren<QTimer *>();
    timers += qApp->findChildren<QTimer *>(); // the hover watch's among them
    for (QTimer *timer : timers) {
        if (timer->isActive())
            QVERIFY2(timer->interval() >= 10'000 || timer->isSingleShot(), qPrintable(timer->objectName()));
    }
    // The hover watch sets its timer one look at a time: only while something is hovered.
    QVERIFY(!HoverWatch::instance().findChild<QTimer *>(u"tmrHover"_s)->isActive());

    auto *clock = f.control<QLabel>(u"StatusBar1Panel2"_s);
    auto *tmrClock = f.control<QTimer>(u"tmrClock"_s);
    const auto dueAtTheMinute = [tmrClock] {
        const int due = QTime::currentTime().msecsSinceStartOfDay() + tmrClock->remainingTime();
        return tmrClock->isActive() && tmrClock->isSingleShot() && tmrClock->remainingTime() <= 60'000
               && (due + 100) % 60'000 < 200;
    };
    QVERIFY(dueAtTheMinute());
    const auto now = [] { return QTime::currentTime().toString(u"HH:mm"_s); };
    QVERIFY(clock->text() == now() || tmrClock->remainingTime() > 59'000);

    clock->clear();
    tmrClock->start(0); // the minute ends now
    QTRY_VERIFY(!clock->text().isEmpty());
    QCOMPARE(clock->text(), now());
    QVERIFY(dueAtTheMinute());
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
