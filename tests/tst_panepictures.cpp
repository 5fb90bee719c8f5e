// The six built-in preview pictures and the program that draws them. A picture is its
// own mask: a pixel of red n and green 254 - n (n = 1..60) shows element n of the
// scheme, every other pixel is fixed. These tests read the committed files.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <vector>

namespace {

constexpr int kPanes = 6;
constexpr int kWidth = 101;
constexpr int kHeight = 80;

// Where an element lies in a pane: columns left..right, rows top..bottom (inclusive),
// and about how many pixels it has.
struct Region
{
    int element;
    int left;
    int right;
    int top;
    int bottom;
    int pixels;
};

// The reference layout of the built-in pictures, element by element.
// clang-format off
const std::vector<Region> kRegions[kPanes] = {
    // 0: file list
    {
        {3, 16, 20, 0, 9, 20},
        {4, 0, 100, 0, 11, 1047},
        {6, 12, 95, 68, 78, 288},
        {7, 0, 100, 67, 79, 934},
        {16, 19, 67, 18, 27, 232},
        {17, 1, 94, 16, 29, 919},
        {18, 0, 95, 15, 30, 216},
        {19, 2, 96, 17, 31, 109},
        {20, 19, 92, 38, 61, 242},
        {21, 0, 100, 13, 79, 3292},
        {22, 0, 100, 12, 12, 101},
        {28, 98, 100, 14, 19, 18},
        {29, 99, 99, 22, 64, 22},
        {42, 3, 17, 18, 62, 132},
        {43, 4, 16, 19, 61, 300},
        {44, 3, 17, 18, 62, 21},
        {45, 3, 17, 18, 53, 42},
    },
    // 1: standby screen
    {
        {1, 2, 98, 57, 64, 187},
        {2, 0, 100, 0, 79, 4803},
        {6, 11, 89, 68, 77, 255},
        {7, 0, 100, 67, 79, 967},
        {23, 14, 86, 20, 49, 680},
        {24, 13, 87, 19, 50, 716},
    },
    // 2: options pop-up over the file list
    {
        {3, 16, 19, 0, 6, 14},
        {4, 0, 100, 0, 11, 633},
        {6, 0, 92, 67, 79, 439},
        {7, 0, 100, 67, 79, 783},
        {17, 1, 3, 16, 29, 32},
        {18, 0, 3, 15, 30, 20},
        {19, 2, 3, 31, 31, 2},
        {21, 0, 100, 13, 79, 633},
        {22, 0, 100, 12, 12, 7},
        {28, 98, 100, 14, 19, 18},
        {29, 99, 99, 22, 64, 22},
        {30, 6, 30, 37, 60, 141},
        {31, 5, 95, 22, 61, 2314},
        {32, 6, 42, 9, 19, 172},
        {33, 5, 95, 8, 20, 1009},
        {34, 4, 96, 7, 62, 286},
        {35, 7, 97, 10, 63, 144},
        {36, 6, 28, 24, 34, 116},
        {37, 5, 95, 23, 35, 1067},
        {38, 5, 95, 21, 21, 91},
        {42, 3, 5, 20, 62, 26},
        {43, 4, 4, 61, 61, 1},
        {44, 3, 3, 19, 62, 6},
    },
    // 3: main menu
    {
        {3, 1, 49, 0, 10, 211},
        {4, 0, 100, 0, 11, 983},
        {5, 96, 100, 2, 9, 18},
        {6, 2, 92, 68, 78, 326},
        {7, 0, 100, 67, 79, 896},
        {18, 34, 66, 25, 52, 113},
        {19, 36, 67, 28, 53, 57},
        {22, 0, 100, 12, 12, 101},
        {58, 0, 100, 13, 79, 3276},
    },
    // 4: phone book entry
    {
        {3, 16, 83, 0, 10, 284},
        {4, 0, 100, 0, 11, 767},
        {6, 15, 99, 68, 77, 305},
        {7, 0, 100, 67, 79, 917},
        {11, 16, 44, 15, 24, 133},
        {13, 16, 93, 41, 64, 417},
        {22, 0, 100, 12, 12, 101},
        {28, 98, 100, 38, 43, 18},
        {29, 99, 99, 14, 64, 22},
        {42, 0, 14, 16, 65, 136},
        {44, 0, 14, 18, 65, 31},
        {45, 0, 14, 16, 65, 159},
    },
    // 5: phone book entry, second page
    {
        {3, 16, 83, 0, 10, 284},
        {4, 0, 100, 0, 11, 768},
        {6, 15, 100, 67, 79, 397},
        {7, 0, 100, 67, 79, 825},
        {15, 1, 40, 28, 50, 252},
        {22, 0, 100, 12, 12, 101},
        {28, 98, 100, 61, 65, 15},
        {29, 99, 99, 14, 58, 23},
    },
};
// clang-format on

int codedElement(QRgb colour)
{
    const int red = qRed(colour);
    return red >= 1 && red <= 60 && qGreen(colour) == 254 - red ? red : 0;
}

QString panePath(int pane)
{
    return QStringLiteral(PANES_DIR "/pane%1.bmp").arg(pane);
}

QImage loadPane(int pane)
{
    return QImage(panePath(pane), "BMP");
}

struct Found
{
    int left = kWidth;
    int right = -1;
    int top = kHeight;
    int bottom = -1;
    int pixels = 0;
};

std::map<int, Found> scan(const QImage &picture)
{
    std::map<int, Found> found;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int element = codedElement(picture.pixel(x, y));
            if (element == 0)
                continue;
            Found &f = found[element];
            f.left = std::min(f.left, x);
            f.right = std::max(f.right, x);
            f.top = std::min(f.top, y);
            f.bottom = std::max(f.bottom, y);
            ++f.pixels;
        }
    }
    return found;
}

// The elements coded in rows top..bottom of a picture.
QSet<int> elementsInRows(const QImage &picture, int top, int bottom)
{
    QSet<int> elements;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (const int element = codedElement(picture.pixel(x, y)))
                elements.insert(element);
    return elements;
}

int countInRows(const QImage &picture, int element, int top, int bottom)
{
    int count = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < kWidth; ++x)
            count += codedElement(picture.pixel(x, y)) == element;
    return count;
}

void addPaneRows()
{
    QTest::addColumn<int>("pane");
    for (int pane = 0; pane < kPanes; ++pane)
        QTest::addRow("pane %d", pane) << pane;
}

} // namespace

class TestPanePictures : public QObject
{
    Q_OBJECT
private slots:
    void filesAre24BitPicturesOfTheScreen_data() { addPaneRows(); }
    void filesAre24BitPicturesOfTheScreen();
    void paneCodesExactlyItsElements_data() { addPaneRows(); }
    void paneCodesExactlyItsElements();
    void elementsLieWhereTheLayoutPutsThem_data() { addPaneRows(); }
    void elementsLieWhereTheLayoutPutsThem();
    void noColourIsOneStepFromACode_data() { addPaneRows(); }
    void noColourIsOneStepFromACode();
    void codesCarryVariedBlueBytes();
    void mainMenuIconsHaveColoursThatLookLikeCodes();
    void titleBarAndItsShadow_data();
    void titleBarAndItsShadow();
    void softkeyBarHoldsOnlySoftkeyElements_data() { addPaneRows(); }
    void softkeyBarHoldsOnlySoftkeyElements();
    void standbyScreen();
    void listBackgrounds();
    void generatorReproducesTheFiles();
};

void TestPanePictures::filesAre24BitPicturesOfTheScreen()
{
    QFETCH(int, pane);
    QFile file(panePath(pane));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() >= 54);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    const auto word = [&bytes](int offset) {
        return int(quint8(bytes[offset])) | int(quint8(bytes[offset + 1])) << 8;
    };
    QCOMPARE(word(18), kWidth);
    QCOMPARE(word(22), kHeight);
    QCOMPARE(word(28), 24); // bits per pixel
    QCOMPARE(word(30), 0);  // no compression
    // Rows of 101 pixels are padded to 304 bytes.
    QCOMPARE(bytes.size(), 54 + 304 * kHeight);

    const QImage picture = loadPane(pane);
    QCOMPARE(picture.size(), QSize(kWidth, kHeight));
}

void TestPanePictures::paneCodesExactlyItsElements()
{
    QFETCH(int, pane);
    QList<int> expected;
    for (const Region &region : kRegions[pane])
        expected.append(region.element);
    QList<int> coded;
    for (const auto &entry : scan(loadPane(pane)))
        coded.append(entry.first);
    QCOMPARE(coded, expected);
}

void TestPanePictures::elementsLieWhereTheLayoutPutsThem()
{
    QFETCH(int, pane);
    const std::map<int, Found> found = scan(loadPane(pane));
    for (const Region &region : kRegions[pane]) {
        const auto it = found.find(region.element);
        QVERIFY2(it != found.end(), qPrintable(QStringLiteral("element %1 missing").arg(region.element)));
        const Found &f = it->second;
        const QString where = QStringLiteral("element %1 at columns %2-%3, rows %4-%5, %6 pixels")
                                  .arg(region.element).arg(f.left).arg(f.right).arg(f.top)
                                  .arg(f.bottom).arg(f.pixels);
        QVERIFY2(f.left >= region.left && f.right <= region.right && f.top >= region.top
                     && f.bottom <= region.bottom,
                 qPrintable(where));
        const double tolerance = std::max(0.25 * region.pixels, 3.0);
        QVERIFY2(std::abs(f.pixels - region.pixels) <= tolerance, qPrintable(where));
    }
}

void TestPanePictures::noColourIsOneStepFromACode()
{
    // A fixed pixel whose green is one off an element code would look like a code to a
    // careless reader of the masks; the pictures keep clear of such colours.
    QFETCH(int, pane);
    const QImage picture = loadPane(pane);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QRgb colour = picture.pixel(x, y);
            const int red = qRed(colour);
            if (red < 1 || red > 60)
                continue;
            QVERIFY2(qGreen(colour) != 255 - red && qGreen(colour) != 253 - red,
                     qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestPanePictures::codesCarryVariedBlueBytes()
{
    // The renderer must ignore the blue byte of a code; the pictures give it a reason
    // to, within one element as well as between elements.
    QSet<int> blues;
    bool elementWithTwoBlues = false;
    for (int pane = 0; pane < kPanes; ++pane) {
        const QImage picture = loadPane(pane);
        std::map<int, QSet<int>> perElement;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const QRgb colour = picture.pixel(x, y);
                if (const int element = codedElement(colour)) {
                    blues.insert(qBlue(colour));
                    perElement[element].insert(qBlue(colour));
                }
            }
        }
        for (const auto &entry : perElement)
            elementWithTwoBlues = elementWithTwoBlues || entry.second.size() > 1;
    }
    QVERIFY2(blues.size() >= 6, qPrintable(QString::number(blues.size())));
    QVERIFY(blues.contains(0) && blues.contains(255));
    QVERIFY(elementWithTwoBlues);
}

void TestPanePictures::mainMenuIconsHaveColoursThatLookLikeCodes()
{
    // A click on the preview accepts any pixel whose red is 1..60 and whose green
    // is not 255 - red, which is looser than an element code. Only the main menu's
    // icon pixels with red 34 or 36 are meant to pass it without being codes; any
    // other fixed colour that passes would recolour an unrelated element when
    // clicked.
    bool red34 = false;
    bool red36 = false;
    for (int pane = 0; pane < kPanes; ++pane) {
        const QImage picture = loadPane(pane);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const QRgb colour = picture.pixel(x, y);
                const int red = qRed(colour);
                const bool picked = red >= 1 && red <= 60 && qGreen(colour) != 255 - red;
                if (!picked || codedElement(colour))
                    continue;
                QVERIFY2(pane == 3 && (red == 34 || red == 36),
                         qPrintable(QStringLiteral("pane %1 pixel (%2, %3)").arg(pane).arg(x).arg(y)));
                red34 = red34 || red == 34;
                red36 = red36 || red == 36;
            }
        }
    }
    QVERIFY(red34);
    QVERIFY(red36);
}

void TestPanePictures::titleBarAndItsShadow_data()
{
    QTest::addColumn<int>("pane");
    for (const int pane : {0, 2, 3, 4, 5})
        QTest::addRow("pane %d", pane) << pane;
}

void TestPanePictures::titleBarAndItsShadow()
{
    QFETCH(int, pane);
    const QImage picture = loadPane(pane);
    const int titleArea = kWidth * 12;
    if (pane == 2) {
        // The pop-up covers the lower part of the title bar and most of the shadow
        // line; what is left of them still shows title bar and shadow.
        for (int x = 0; x < kWidth; ++x) {
            const int element = codedElement(picture.pixel(x, 12));
            const bool popUp = element >= 30 && element <= 38;
            QVERIFY2(element == 22 || popUp, qPrintable(QString::number(x)));
            QCOMPARE(element == 22, x <= 3 || x >= 98);
        }
        QCOMPARE(elementsInRows(picture, 0, 6), (QSet<int>{3, 4}));
        QVERIFY(countInRows(picture, 4, 0, 11) > titleArea / 2);
        return;
    }
    QSet<int> allowed = {3, 4};
    if (pane == 3)
        allowed.insert(5);
    QCOMPARE(elementsInRows(picture, 0, 11), allowed);
    QVERIFY(countInRows(picture, 4, 0, 11) > titleArea / 2);
    for (int x = 0; x < kWidth; ++x)
        QCOMPARE(codedElement(picture.pixel(x, 12)), 22);
    // The title text stays on the bar.
    QVERIFY(!elementsInRows(picture, 13, kHeight - 1).contains(3));
}

void TestPanePictures::softkeyBarHoldsOnlySoftkeyElements()
{
    QFETCH(int, pane);
    const QImage picture = loadPane(pane);
    QCOMPARE(elementsInRows(picture, 67, 79), (QSet<int>{6, 7}));
    QVERIFY(countInRows(picture, 7, 67, 79) > kWidth * 13 / 2);
    // The bar reaches the corners of the screen.
    for (const QPoint corner : {QPoint(0, 67), QPoint(100, 67), QPoint(0, 79), QPoint(100, 79)})
        QCOMPARE(codedElement(picture.pixel(corner)), 7);
    const QSet<int> above = elementsInRows(picture, 0, 66);
    QVERIFY(!above.contains(6) && !above.contains(7));
}

void TestPanePictures::standbyScreen()
{
    const QImage picture = loadPane(1);
    QCOMPARE(elementsInRows(picture, 0, 66), (QSet<int>{1, 2, 23, 24}));
    QVERIFY(countInRows(picture, 2, 0, 66) > kWidth * 67 / 2);
    for (const QPoint corner : {QPoint(0, 0), QPoint(100, 0), QPoint(0, 66), QPoint(100, 66)})
        QCOMPARE(codedElement(picture.pixel(corner)), 2);
    QCOMPARE(elementsInRows(picture, 57, 64), (QSet<int>{1, 2}));

    // The provider name in outlined letters: the inner stroke (23) never touches the
    // background, only itself or the outer stroke (24), and the outer stroke always
    // lies next to the inner one.
    const auto at = [&picture](int x, int y) {
        return x < 0 || y < 0 || x >= kWidth || y >= kHeight ? 0 : codedElement(picture.pixel(x, y));
    };
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QString where = QStringLiteral("(%1, %2)").arg(x).arg(y);
            if (at(x, y) == 23) {
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const int next = at(x + step.x(), y + step.y());
                    QVERIFY2(next == 23 || next == 24, qPrintable(where));
                }
            } else if (at(x, y) == 24) {
                bool nextToInner = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        nextToInner = nextToInner || at(x + dx, y + dy) == 23;
                QVERIFY2(nextToInner, qPrintable(where));
            }
        }
    }
    // Two lines of letters: a row without inner strokes separates them.
    QList<bool> rowsWithLetters;
    for (int y = 19; y <= 50; ++y)
        rowsWithLetters.append(countInRows(picture, 23, y, y) > 0);
    const int firstGap = rowsWithLetters.indexOf(false, rowsWithLetters.indexOf(true));
    QVERIFY(firstGap > 0);
    QVERIFY(rowsWithLetters.indexOf(true, firstGap) > firstGap);
}

void TestPanePictures::listBackgrounds()
{
    // The background of each list is its most frequent element below the title.
    const auto mostFrequent = [](const QImage &picture, int left, int top, int right, int bottom) {
        std::map<int, int> counts;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                ++counts[codedElement(picture.pixel(x, y))];
        counts.erase(0);
        int best = 0;
        for (const auto &entry : counts)
            if (best == 0 || entry.second > counts[best])
                best = entry.first;
        return best;
    };
    QCOMPARE(mostFrequent(loadPane(0), 0, 13, 100, 66), 21);
    QCOMPARE(mostFrequent(loadPane(2), 0, 13, 3, 66), 21);
    QCOMPARE(mostFrequent(loadPane(2), 5, 22, 95, 61), 31);
    QCOMPARE(mostFrequent(loadPane(3), 0, 13, 100, 66), 58);
    // Scroll mark and bar keep to the right edge.
    for (int pane : {0, 2, 4, 5}) {
        const std::map<int, Found> found = scan(loadPane(pane));
        QVERIFY(found.at(28).left >= 98);
        QCOMPARE(found.at(29).left, 99);
        QCOMPARE(found.at(29).right, 99);
    }
}

void TestPanePictures::generatorReproducesTheFiles()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QProcess generator;
    generator.start(QStringLiteral(PANEGEN_EXECUTABLE), {folder.path()});
    QVERIFY(generator.waitForFinished(60000));
    QCOMPARE(generator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generator.exitCode(), 0);
    for (int pane = 0; pane < kPanes; ++pane) {
        QFile committed(panePath(pane));
        QFile drawn(folder.filePath(QStringLiteral("pane%1.bmp").arg(pane)));
        QVERIFY(committed.open(QIODevice::ReadOnly));
        QVERIFY2(drawn.open(QIODevice::ReadOnly), qPrintable(drawn.fileName()));
        QVERIFY2(committed.readAll() == drawn.readAll(),
                 qPrintable(QStringLiteral("pane%1.bmp differs from what the generator draws").arg(pane)));
    }
}

QTEST_APPLESS_MAIN(TestPanePictures)
#include "tst_panepictures.moc"
