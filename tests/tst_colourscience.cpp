#include "ColourScience.h"

#include <QImage>
#include <QTest>

using namespace ColourScience;

Q_DECLARE_METATYPE(Rgb)

// The colour functions against published figures and against Qt's own 16-bit
// pictures.
class TestColourScience : public QObject
{
    Q_OBJECT
private slots:
    void contrastOfKnownPairs_data();
    void contrastOfKnownPairs();
    void phoneColoursAreWhatA16BitPictureHolds();
};

void TestColourScience::contrastOfKnownPairs_data()
{
    QTest::addColumn<Rgb>("a");
    QTest::addColumn<Rgb>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << Rgb{0, 0, 0} << Rgb{255, 255, 255} << 21.0;
    QTest::newRow("white on black, either order") << Rgb{255, 255, 255} << Rgb{0, 0, 0} << 21.0;
    QTest::newRow("#777 on white") << Rgb{0x77, 0x77, 0x77} << Rgb{255, 255, 255} << 4.478;
    QTest::newRow("#767676 on white, the lightest grey that passes") << Rgb{0x76, 0x76, 0x76} << Rgb{255, 255, 255}
                                                                     << 4.542;
    QTest::newRow("pure red on white") << Rgb{255, 0, 0} << Rgb{255, 255, 255} << 3.998;
    QTest::newRow("same colour") << Rgb{10, 200, 30} << Rgb{10, 200, 30} << 1.0;
}

void TestColourScience::contrastOfKnownPairs()
{
    QFETCH(Rgb, a);
    QFETCH(Rgb, b);
    QFETCH(double, ratio);
    QVERIFY2(std::abs(contrastRatio(a, b) - ratio) < 0.0015, qPrintable(QString::number(contrastRatio(a, b))));
}

// Every value of every channel, cut and widened exactly as a 16-bit picture of
// Qt's does it; the edges stay where they are.
void TestColourScience::phoneColoursAreWhatA16BitPictureHolds()
{
    QImage picture(256, 3, QImage::Format_RGB888);
    for (int v = 0; v < 256; ++v) {
        picture.setPixel(v, 0, qRgb(v, 0, 0));
        picture.setPixel(v, 1, qRgb(0, v, 0));
        picture.setPixel(v, 2, qRgb(0, 0, v));
    }
    const QImage phone = picture.convertToFormat(QImage::Format_RGB16).convertToFormat(QImage::Format_RGB888);
    for (int v = 0; v < 256; ++v) {
        const quint8 b = quint8(v);
        QCOMPARE(phoneColour({b, 0, 0}).red, quint8(qRed(phone.pixel(v, 0))));
        QCOMPARE(phoneColour({0, b, 0}).green, quint8(qGreen(phone.pixel(v, 1))));
        QCOMPARE(phoneColour({0, 0, b}).blue, quint8(qBlue(phone.pixel(v, 2))));
    }
    QCOMPARE(phoneColour({255, 255, 255}), (Rgb{255, 255, 255}));
    QCOMPARE(phoneColour({0, 0, 0}), (Rgb{0, 0, 0}));
    QCOMPARE(phoneColour({7, 3, 7}), (Rgb{0, 0, 0}));       // below one step
    QCOMPARE(phoneColour({8, 4, 8}), (Rgb{8, 4, 8}));       // one step: 00001 widens to 00001000
    QVERIFY(isPhoneColour({132, 130, 132}));
    QVERIFY(!isPhoneColour({133, 130, 132}));
}

QTEST_APPLESS_MAIN(TestColourScience)
#include "tst_colourscience.moc"
