#include "HandCursor.h"
#include "LinkControl.h"
#include "LogoControl.h"
#include "support/UrlCatcher.h"

#include <QApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

// The mail link control and the logo, with the pointer moved for real and the
// hover timers' ticks called directly.
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
    void handCursorPointsWithItsFingerTip();

private:
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
    auto *timer = control.findChild<QTimer *>(u"Timer1"_s);
    QCOMPARE(timer->interval(), 100);
    QVERIFY(!timer->isActive());

    QCursor::setPos(link->mapToGlobal(QPoint(5, 5)));
    QTest::mouseMove(link, QPoint(5, 5));
    QVERIFY(link->font().underline());
    QVERIFY(timer->isActive());
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
    auto *timer = logo.findChild<QTimer *>(u"Timer1"_s);
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
    QVERIFY(timer->isActive()); // it keeps running while enabled
    QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
             LogoControl::picture(LogoControl::Picture::Left).toImage().convertToFormat(QImage::Format_RGB32));
    QVERIFY(LogoControl::picture(LogoControl::Picture::Hover).toImage()
            != LogoControl::picture(LogoControl::Picture::Start).toImage());

    logo.setLogoEnabled(false);
    click(picture);
    QCOMPARE(catcher.opened.size(), 1);
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
