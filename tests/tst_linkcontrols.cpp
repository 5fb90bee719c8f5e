#include "HandCursor.h"
#include "HoverWatch.h"
#include "LinkControl.h"
#include "LogoControl.h"
#include "support/UrlCatcher.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

// The mail link control and the logo, with the pointer moved for real and the
// ticks of the hover watch they share called directly.
class TestLinkControls : public QObject
{
    Q_OBJECT
private slots:
    void convertMailStrEncodesOnlyLineBreaks_data();
    void convertMailStrEncodesOnlyLineBreaks();
    void clickOpensMailOrWebAddress_data();
    void clickOpensMailOrWebAddress();
    void mailModeShowsTheEnvelope();
    void hoverUnderlinesUntilThePointerLeaves();
    void linkColourSuitsTheBackground_data();
    void linkColourSuitsTheBackground();
    void logoLightsUpAndOpensTheMakersPage();
    void oneWatchServesEveryHoveredControl();
    void handCursorPointsWithItsFingerTip();

private:
    static QTimer *hoverTimer() { return HoverWatch::instance().findChild<QTimer *>(u"tmrHover"_s); }
    static void pointAt(QWidget *widget, QPoint at)
    {
        QCursor::setPos(widget->mapToGlobal(at));
        QTest::mouseMove(widget, at);
    }
    // A light blue, as dark palettes give their links.
    static inline const QColor kDarkLink{42, 130, 218};
    static QLabel *caption(LinkControl &control) { return control.findChild<QLabel *>(u"Link"_s); }
    static void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    }
};

void TestLinkControls::convertMailStrEncodesOnlyLineBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("CR LF") << u"a\r\nb"_s << u"a%0D%0Ab"_s;
    QTest::newRow("lone breaks") << u"\n\r"_s << u"%0A%0D"_s;
    QTest::newRow("nothing else") << u"S55 & you? a=b äöü %"_s << u"S55 & you? a=b äöü %"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestLinkControls::convertMailStrEncodesOnlyLineBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(LinkControl::convertMailStr(text), stored);
    QCOMPARE(LinkControl::convertMailStr(text).size(), stored.size());
}

void TestLinkControls::clickOpensMailOrWebAddress_data()
{
    QTest::addColumn<bool>("mail");
    QTest::addColumn<bool>("withMailTexts");
    QTest::addColumn<QString>("link");
    QTest::newRow("web, mail texts set") << false << true << u"http://www.qvx.example/"_s;
    QTest::newRow("mail, web address set") << true << true << u"mailto:a@b.example?subject=a\r\nb&body=a%0D%0Ab"_s;
    QTest::newRow("mail, nothing set") << true << false << u"mailto:?subject=&body="_s;
}

void TestLinkControls::clickOpensMailOrWebAddress()
{
    QFETCH(bool, mail);
    QFETCH(bool, withMailTexts);
    QFETCH(QString, link);
    UrlCatcher catcher;
    LinkControl control;
    control.resize(200, 20);
    control.show();
    control.setHTTPLink(u"http://www.qvx.example/"_s);
    if (withMailTexts) {
        control.setEMailMailTo(u"a@b.example"_s);
        control.setEMailSubject(u"a\r\nb"_s); // the subject is sent as it is
        control.setEMailBody(u"a\r\nb"_s);
    }
    control.setIsEMailLink(mail);
    QCOMPARE(control.link(), link);
    click(caption(control));
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened[0], QUrl(link, QUrl::TolerantMode));
}

void TestLinkControls::mailModeShowsTheEnvelope()
{
    LinkControl control;
    control.resize(200, 20);
    control.show();
    QWidget *envelope = control.findChild<QWidget *>(u"picMailLogo0"_s);
    // A fresh control shows the envelope and the default caption beside it, yet
    // opens an (empty) web address.
    QVERIFY(envelope->isVisible());
    QCOMPARE(caption(control)->pos(), QPoint(16, 0));
    QCOMPARE(caption(control)->size(), QSize(133, 13));
    QCOMPARE(caption(control)->text(), u"[bitte anpassen mit .linkTitle]"_s);
    QCOMPARE(control.link(), QString());

    control.setIsEMailLink(false);
    QVERIFY(!envelope->isVisible());
    QCOMPARE(caption(control)->pos(), QPoint(0, 0));
    control.setIsEMailLink(true);
    QVERIFY(envelope->isVisible());
    QCOMPARE(caption(control)->pos(), QPoint(16, 0));
    control.setLinkTitle(u"by someone"_s);
    QCOMPARE(caption(control)->text(), u"by someone"_s);
    QCOMPARE(caption(control)->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void TestLinkControls::hoverUnderlinesUntilThePointerLeaves()
{
    LinkControl control;
    control.resize(200, 20);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QLabel *link = caption(control);
    QTimer *timer = hoverTimer();
    QVERIFY(!timer->isActive());

    pointAt(link, QPoint(5, 5));
    QVERIFY(link->font().underline());
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 100);
    control.checkHover();
    QVERIFY(link->font().underline());
    // The right and bottom edges still count as on the label.
    QCursor::setPos(link->mapToGlobal(QPoint(link->width(), link->height())));
    control.checkHover();
    QVERIFY(link->font().underline());

    QCursor::setPos(link->mapToGlobal(QPoint(link->width() + 1, 5)));
    control.checkHover();
    QVERIFY(!link->font().underline());
    QVERIFY(!timer->isActive());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

// Blue on a light background; on a dark one the palette's link colour, also when
// the palette comes after the control (set on its window, or the desktop's).
void TestLinkControls::linkColourSuitsTheBackground_data()
{
    QTest::addColumn<QList<QColor>>("backgrounds"); // one palette after the other
    QTest::addColumn<bool>("desktop");              // the application's palette, not the window's
    QTest::addColumn<QColor>("colour");
    const QColor light(239, 239, 239), dark(53, 53, 53), blue(0, 0, 255);
    QTest::newRow("light") << QList<QColor>{light} << false << blue;
    QTest::newRow("dark") << QList<QColor>{dark} << false << kDarkLink;
    QTest::newRow("dark, then light") << QList<QColor>{dark, light} << false << blue;
    QTest::newRow("light, then black") << QList<QColor>{light, Qt::black} << false << kDarkLink;
    QTest::newRow("desktop turns dark") << QList<QColor>{light, dark} << true << kDarkLink;
}

void TestLinkControls::linkColourSuitsTheBackground()
{
    QFETCH(QList<QColor>, backgrounds);
    QFETCH(bool, desktop);
    QFETCH(QColor, colour);
    const auto restoreDesktop = qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
    QWidget window;
    auto *control = new LinkControl(&window);
    window.show();
    for (const QColor &background : backgrounds) {
        QPalette palette(background, background);
        palette.setColor(QPalette::Link, kDarkLink);
        if (desktop)
            QApplication::setPalette(palette);
        else
            window.setPalette(palette);
    }
    QLabel *link = caption(*control);
    // The desktop's palette reaches the widgets through the event loop.
    QTRY_COMPARE(link->palette().color(link->foregroundRole()), colour);
}

void TestLinkControls::logoLightsUpAndOpensTheMakersPage()
{
    UrlCatcher catcher;
    LogoControl logo(u"http://www.qvx.example/"_s);
    logo.resize(113, 57);
    logo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&logo));
    auto *picture = logo.findChild<QLabel *>(u"qvx_logo"_s);
    QTimer *timer = hoverTimer();
    QCOMPARE(picture->size(), QSize(106, 54));
    QCOMPARE(logo.shownPicture(), LogoControl::Picture::Start);

    // Never enabled: clicks work, the timer does not run, so the lit picture stays.
    click(picture);
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(u"http://www.qvx.example/"_s)});
    QCursor::setPos(picture->mapToGlobal(QPoint(10, 10)));
    QTest::mouseMove(picture, QPoint(10, 10));
    QCOMPARE(logo.shownPicture(), LogoControl::Picture::Hover);
    QVERIFY(!timer->isActive());

    logo.setLogoEnabled(true);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 10);
    QCursor::setPos(picture->mapToGlobal(QPoint(-1, 10)));
    logo.checkHover();
    QCOMPARE(logo.shownPicture(), LogoControl::Picture::Left);
    QVERIFY(!timer->isActive()); // nothing is lit: nothing is watched
    QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
             LogoControl::picture(LogoControl::Picture::Left).toImage().convertToFormat(QImage::Format_RGB32));
    QVERIFY(LogoControl::picture(LogoControl::Picture::Hover).toImage()
            != LogoControl::picture(LogoControl::Picture::Start).toImage());

    // Lit again while enabled, then disabled: it stays lit, and is watched again
    // only once enabled again.
    pointAt(picture, QPoint(10, 10));
    QCOMPARE(logo.shownPicture(), LogoControl::Picture::Hover);
    QVERIFY(timer->isActive());
    logo.setLogoEnabled(false);
    QVERIFY(!timer->isActive());
    QCursor::setPos(picture->mapToGlobal(QPoint(-1, 10)));
    logo.checkHover();
    QCOMPARE(logo.shownPicture(), LogoControl::Picture::Hover);
    click(picture);
    QCOMPARE(catcher.opened.size(), 1);
    logo.setLogoEnabled(true);
    logo.checkHover();
    QCOMPARE(logo.shownPicture(), LogoControl::Picture::Left);
}

// The mail link and the logo share the watch: it looks as often as the most
// urgent of them asks, and sleeps once nothing is hovered or what was is gone.
void TestLinkControls::oneWatchServesEveryHoveredControl()
{
    QWidget window;
    window.resize(300, 100);
    auto *control = new LinkControl(&window);
    control->setGeometry(0, 0, 200, 20);
    auto *logo = new LogoControl(u"http://www.qvx.example/"_s, &window);
    logo->setGeometry(0, 40, 113, 57);
    logo->setLogoEnabled(true);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLabel *link = caption(*control);
    auto *picture = logo->findChild<QLabel *>(u"qvx_logo"_s);
    QTimer *timer = hoverTimer();
    const QSignalBlocker noTicks(timer); // its ticks are called here, one by one

    // A quick move from the link onto the logo: both are watched, at the logo's pace.
    pointAt(link, QPoint(5, 5));
    QCOMPARE(timer->interval(), 100);
    pointAt(picture, QPoint(10, 10));
    QVERIFY(link->font().underline());
    QCOMPARE(logo->shownPicture(), LogoControl::Picture::Hover);
    QCOMPARE(timer->interval(), 10);
    control->checkHover();
    QVERIFY(!link->font().underline());
    QCOMPARE(logo->shownPicture(), LogoControl::Picture::Hover);
    QVERIFY(timer->isActive());

    // Back on the link: the logo left, the link is watched at its own pace.
    pointAt(link, QPoint(5, 5));
    logo->checkHover();
    QCOMPARE(logo->shownPicture(), LogoControl::Picture::Left);
    QVERIFY(link->font().underline());
    QCOMPARE(timer->interval(), 100);

    // Watched together, each keeps its own pace: the logo is looked at every
    // 10 ms, the link only every 100 ms, though the timer ticks at the faster.
    QCursor::setPos(window.mapToGlobal(QPoint(290, 10)));
    control->checkHover();
    QVERIFY(!HoverWatch::instance().isWatching(link));
    QElapsedTimer sinceLinkHovered;
    sinceLinkHovered.start();
    pointAt(link, QPoint(5, 5));
    pointAt(picture, QPoint(10, 10));
    QCursor::setPos(window.mapToGlobal(QPoint(290, 10)));
    timer->blockSignals(false);
    QTRY_COMPARE_WITH_TIMEOUT(logo->shownPicture(), LogoControl::Picture::Left, 1000);
    if (sinceLinkHovered.elapsed() < 80) // a slow machine may be past the link's look already
        QVERIFY(link->font().underline());
    QTRY_VERIFY_WITH_TIMEOUT(!link->font().underline(), 1000);
    QVERIFY(sinceLinkHovered.elapsed() >= 95);

    // The pointer leaves the link across the logo and rests there a while: once
    // the logo has gone dark, the next tick is still the link's own look, not one
    // whole interval after the logo's watch ended.
    pointAt(link, QPoint(5, 5));
    QElapsedTimer sinceLinkLooked;
    sinceLinkLooked.start();
    pointAt(picture, QPoint(10, 10));
    QTest::qWait(40);
    QCursor::setPos(window.mapToGlobal(QPoint(290, 10)));
    QTRY_COMPARE_WITH_TIMEOUT(logo->shownPicture(), LogoControl::Picture::Left, 1000);
    if (link->font().underline()) { // its look may have come on a slow machine
        // At most what is left of the link's interval (nothing, once it is due).
        const int linkDueIn = std::max(0, 100 - int(sinceLinkLooked.elapsed()));
        const int nextTick = timer->remainingTime();
        QVERIFY2(nextTick <= linkDueIn + 1, qPrintable(u"next tick in %1 ms, the link's look in %2 ms"_s
                                                           .arg(nextTick)
                                                           .arg(linkDueIn)));
    }
    QTRY_VERIFY_WITH_TIMEOUT(!link->font().underline(), 1000);
    timer->blockSignals(true);

    // A watched control that is destroyed is no longer watched.
    delete control;
    QVERIFY(!timer->isActive());
}

void TestLinkControls::handCursorPointsWithItsFingerTip()
{
    const QCursor cursor = HandCursor::cursor();
    QCOMPARE(cursor.hotSpot(), QPoint(8, 3));
    QCOMPARE(cursor.bitmap().size(), QSize(32, 32));
    const QImage hand = HandCursor::picture();
    QCOMPARE(hand.pixelColor(8, 3).alpha(), 255); // the tip is part of the hand
    QCOMPARE(hand.pixelColor(8, 0).alpha(), 0);    // nothing above it
}

QTEST_MAIN(TestLinkControls)
#include "tst_linkcontrols.moc"
