#include "PalettePicture.h"

#include <QSet>
#include <QTest>

class TestPalettePicture : public QObject
{
    Q_OBJECT
private slots:
    void everyCellIsOneColourOfTheRule();
    void everyLevelCombinationOccursOnce();
};

void TestPalettePicture::everyCellIsOneColourOfTheRule()
{
    const QImage picture = PalettePicture::create();
    QCOMPARE(picture.size(), QSize(128, 128));
    const int redGreen[8] = {0, 36, 72, 109, 145, 182, 218, 255};
    const int blues[4] = {0, 85, 171, 255};
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            const auto bit = [](int v, int i) { return (v >> i) & 1; };
            const QRgb expected = qRgb(redGreen[bit(column, 0) + 2 * bit(column, 2) + 4 * bit(row, 1)],
                                       redGreen[bit(column, 1) + 2 * bit(column, 3) + 4 * bit(row, 2)],
                                       blues[bit(row, 0) + 2 * bit(row, 3)]);
            for (int y = 0; y < 8; ++y) {
                for (int x = 0; x < 8; ++x)
                    QCOMPARE(picture.pixel(column * 8 + x, row * 8 + y), expected);
            }
        }
    }
    QCOMPARE(picture.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(picture.pixel(127, 127), qRgb(255, 255, 255));
    QCOMPARE(PalettePicture::cellColour(1, 0), (Rgb{36, 0, 0}));
    QCOMPARE(PalettePicture::cellColour(0, 1), (Rgb{0, 0, 85}));
}

void TestPalettePicture::everyLevelCombinationOccursOnce()
{
    QSet<QRgb> colours;
    const QImage picture = PalettePicture::create();
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column)
            colours.insert(picture.pixel(column * 8 + 3, row * 8 + 5));
    }
    QCOMPARE(colours.size(), 256);
}

QTEST_GUILESS_MAIN(TestPalettePicture)
#include "tst_palettepicture.moc"
