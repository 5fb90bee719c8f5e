#include "ColourScience.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <QtMath>

#include <optional>

using namespace ColourScience;

Q_DECLARE_METATYPE(Rgb)
Q_DECLARE_METATYPE(Vision)

namespace {

// What a fix of unreadable text is expected to do.
enum class Fix { Lighter, Darker, Kept, Snapped, None };

QByteArray shown(const Rgb &c)
{
    return QByteArray::number(c.red) + ' ' + QByteArray::number(c.green) + ' ' + QByteArray::number(c.blue);
}

} // namespace

Q_DECLARE_METATYPE(Fix)

// The colour functions against published figures and against Qt's own 16-bit
// pictures.
class TestColourScience : public QObject
{
    Q_OBJECT
private slots:
    void contrastOfKnownPairs_data();
    void contrastOfKnownPairs();
    void phoneColoursAreWhatA16BitPictureHolds();
    void oklabOfKnownColours_data();
    void oklabOfKnownColours();
    void oklabRoundTripsEveryChannelValue();
    void gamut_data();
    void gamut();
    void simulatedPrimaries_data();
    void simulatedPrimaries();
    void simulatedPicturesMatchTheirPixels_data();
    void simulatedPicturesMatchTheirPixels();
    void blackOrWhiteOnBackgrounds_data();
    void blackOrWhiteOnBackgrounds();
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

// Ottosson's figures for the sRGB primaries, also given by CSS Color 4; hue
// and chroma follow from a and b.
void TestColourScience::oklabOfKnownColours_data()
{
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::newRow("white") << Rgb{255, 255, 255} << 1.0 << 0.0 << 0.0;
    QTest::newRow("black") << Rgb{0, 0, 0} << 0.0 << 0.0 << 0.0;
    QTest::newRow("red") << Rgb{255, 0, 0} << 0.6279554 << 0.2248631 << 0.1258463;
    QTest::newRow("green") << Rgb{0, 255, 0} << 0.8664396 << -0.2338876 << 0.1794985;
    QTest::newRow("blue") << Rgb{0, 0, 255} << 0.4520137 << -0.0324570 << -0.3115281;
}

void TestColourScience::oklabOfKnownColours()
{
    QFETCH(Rgb, colour);
    QFETCH(double, L);
    QFETCH(double, a);
    QFETCH(double, b);
    const Oklab lab = toOklab(colour);
    QVERIFY2(std::abs(lab.L - L) < 1e-6 && std::abs(lab.a - a) < 1e-6 && std::abs(lab.b - b) < 1e-6,
             QByteArray::number(lab.L, 'f', 7) + ' ' + QByteArray::number(lab.a, 'f', 7) + ' '
                 + QByteArray::number(lab.b, 'f', 7));
    const Oklch lch = toOklch(colour);
    QVERIFY(std::abs(lch.C - std::hypot(a, b)) < 1e-6);
    if (lch.C > 0.01)
        QVERIFY(hueDifference(lch.h, qRadiansToDegrees(std::atan2(b, a))) < 1e-4);
    const Oklab back = toOklab(lch);
    QVERIFY(std::abs(back.a - lab.a) < 1e-7 && std::abs(back.b - lab.b) < 1e-7);
    QCOMPARE(toRgb(lab), colour);
}

// Every value of every channel comes back from OKLab as it was: the way back
// rounds exactly.
void TestColourScience::oklabRoundTripsEveryChannelValue()
{
    for (int v = 0; v < 256; ++v) {
        const quint8 b = quint8(v);
        for (const Rgb &c : {Rgb{b, 0, 0}, Rgb{0, b, 0}, Rgb{0, 0, b}, Rgb{b, b, b}, Rgb{b, quint8(255 - v), 40}}) {
            QVERIFY(isInGamut(toOklab(c)));
            QCOMPARE(toRgb(toOklab(c)), c);
        }
    }
}

// Points on either side of the gamut's edge at the primaries' own hues.
void TestColourScience::gamut_data()
{
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("C");
    QTest::addColumn<double>("h");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<Rgb>("clamped");
    QTest::newRow("grey") << 0.5 << 0.0 << 0.0 << true << Rgb{99, 99, 99};
    QTest::newRow("red, a little less saturated") << 0.6279554 << 0.25 << 29.2339 << true << Rgb{252, 23, 15};
    QTest::newRow("red, more saturated than the screen") << 0.6279554 << 0.27 << 29.2339 << false << Rgb{255, 0, 0};
    QTest::newRow("blue, more saturated than the screen") << 0.4520137 << 0.33 << 264.052 << false << Rgb{4, 0, 255};
    // The edge runs along blue's lightness: less chroma leaves the screen too.
    QTest::newRow("blue, less saturated") << 0.4520137 << 0.28 << 264.052 << false << Rgb{0, 41, 237};
    QTest::newRow("light saturated blue") << 0.9 << 0.3 << 264.052 << false << Rgb{116, 205, 255};
    QTest::newRow("whiter than white") << 1.01 << 0.0 << 0.0 << false << Rgb{255, 255, 255};
}

void TestColourScience::gamut()
{
    QFETCH(double, L);
    QFETCH(double, C);
    QFETCH(double, h);
    QFETCH(bool, inside);
    QFETCH(Rgb, clamped);
    const Oklab lab = toOklab(Oklch{L, C, h});
    QCOMPARE(isInGamut(lab), inside);
    const Rgb c = toRgb(lab);
    QVERIFY2(std::abs(c.red - clamped.red) <= 1 && std::abs(c.green - clamped.green) <= 1
                 && std::abs(c.blue - clamped.blue) <= 1,
             shown(c));
}

// The primaries through the published matrices for linear sRGB (Vienot 1999
// for protan and deutan, Brettel 1997 for tritan, as DaltonLens gives them),
// worked out by hand and rounded to bytes.
void TestColourScience::simulatedPrimaries_data()
{
    QTest::addColumn<Vision>("vision");
    QTest::addColumn<Rgb>("colour");
    QTest::addColumn<Rgb>("seen");
    const struct
    {
        const char *name;
        Vision vision;
        Rgb red, green, blue;
    } rows[] = {
        {"protan", Vision::Protan, {94, 94, 13}, {242, 242, 0}, {0, 0, 255}},
        {"deutan", Vision::Deutan, {147, 147, 0}, {219, 219, 41}, {0, 0, 255}},
        {"tritan", Vision::Tritan, {255, 0, 78}, {121, 233, 255}, {0, 98, 136}},
        {"normal", Vision::Normal, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s red", row.name) << row.vision << Rgb{255, 0, 0} << row.red;
        QTest::addRow("%s green", row.name) << row.vision << Rgb{0, 255, 0} << row.green;
        QTest::addRow("%s blue", row.name) << row.vision << Rgb{0, 0, 255} << row.blue;
        QTest::addRow("%s white", row.name) << row.vision << Rgb{255, 255, 255} << Rgb{255, 255, 255};
        QTest::addRow("%s black", row.name) << row.vision << Rgb{0, 0, 0} << Rgb{0, 0, 0};
        QTest::addRow("%s grey", row.name) << row.vision << Rgb{128, 128, 128} << Rgb{128, 128, 128};
    }
}

void TestColourScience::simulatedPrimaries()
{
    QFETCH(Vision, vision);
    QFETCH(Rgb, colour);
    QFETCH(Rgb, seen);
    const Rgb c = simulate(colour, vision);
    QVERIFY2(c == seen, shown(c));
}

// A picture of runs and single pixels of random colours, in each layout the
// preview and the palette use: every pixel as the colour function gives it,
// alpha kept.
void TestColourScience::simulatedPicturesMatchTheirPixels_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QImage::Format>("result");
    QTest::newRow("BGR888") << QImage::Format_BGR888 << QImage::Format_BGR888;
    QTest::newRow("RGB888") << QImage::Format_RGB888 << QImage::Format_RGB888;
    QTest::newRow("RGB32") << QImage::Format_RGB32 << QImage::Format_RGB32;
    QTest::newRow("ARGB32") << QImage::Format_ARGB32 << QImage::Format_ARGB32;
    QTest::newRow("RGB16, converted") << QImage::Format_RGB16 << QImage::Format_RGB32;
    QTest::newRow("RGBA8888, converted") << QImage::Format_RGBA8888 << QImage::Format_ARGB32;
}

void TestColourScience::simulatedPicturesMatchTheirPixels()
{
    QFETCH(QImage::Format, format);
    QFETCH(QImage::Format, result);
    QImage original(101, 80, QImage::Format_ARGB32);
    QRandomGenerator random(55);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            original.setPixel(x, y, x % 7 && x > 0 ? original.pixel(x - 1, y) : random.generate() | 0x40000000);
    original = original.convertToFormat(format);
    for (const Vision vision : {Vision::Protan, Vision::Deutan, Vision::Tritan}) {
        QImage picture = original;
        simulate(picture, vision);
        QCOMPARE(picture.format(), result);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb was = original.pixel(x, y);
                const Rgb seen = simulate(Rgb{quint8(qRed(was)), quint8(qGreen(was)), quint8(qBlue(was))}, vision);
                QCOMPARE(picture.pixel(x, y), qRgba(seen.red, seen.green, seen.blue, qAlpha(was)));
            }
    }
}

// Fixes of text against its background. A fix reaches the level as the phone
// shows it, is shown exactly, keeps the hue (greys stay grey), went the
// expected way, and no phone colour of that hue and no more colourful reaches
// the level on that side with a clearly smaller change of lightness. Without a fix of that hue,
// black or white reaches the level.
void TestColourScience::blackOrWhiteOnBackgrounds_data()
{
    QTest::addColumn<Rgb>("background");
    QTest::addColumn<Rgb>("best");
    QTest::newRow("black") << Rgb{0, 0, 0} << Rgb{255, 255, 255};
    QTest::newRow("white") << Rgb{255, 255, 255} << Rgb{0, 0, 0};
    QTest::newRow("pure blue") << Rgb{0, 0, 255} << Rgb{255, 255, 255};
    QTest::newRow("pure red, 5.25 against 4.0") << Rgb{255, 0, 0} << Rgb{0, 0, 0};
    // On a full-colour screen #777 takes black (4.69 against 4.48); the phone
    // shows it as 115, 117, 115, which takes white (4.64 against 4.52).
    QTest::newRow("#777, as the phone shows it") << Rgb{119, 119, 119} << Rgb{255, 255, 255};
}

void TestColourScience::blackOrWhiteOnBackgrounds()
{
    QFETCH(Rgb, background);
    QFETCH(Rgb, best);
    QCOMPARE(blackOrWhite(background), best);
}

QTEST_APPLESS_MAIN(TestColourScience)
#include "tst_colourscience.moc"
