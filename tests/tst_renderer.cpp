#include "ColourScheme.h"
#include "ElementCode.h"
#include "PreviewPanes.h"
#include "support/ReferenceScan.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

void setPixel(QImage &image, int x, int y, const Rgb &c)
{
    uchar *p = image.scanLine(y) + 3 * x;
    p[0] = c.blue;
    p[1] = c.green;
    p[2] = c.red;
}

// A mask full of traps: element codes with any blue, near misses (n, 255 - n)
// and (n, 253 - n), plain colours, and codes of elements 0 and 61.
QImage randomMask(QRandomGenerator &random, QSize size = {101, 80})
{
    QImage mask(size, QImage::Format_BGR888);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int n = random.bounded(0, 62);
            const quint8 blue = quint8(random.bounded(256));
            Rgb colour;
            switch (random.bounded(6)) {
            case 0:
            case 1: colour = {quint8(n), quint8(254 - n), blue}; break;
            case 2: colour = {quint8(n), quint8(255 - n), blue}; break;
            case 3: colour = {quint8(n), quint8(253 - n), blue}; break;
            case 4: colour = {255, 255, 255}; break;
            default:
                colour = {quint8(random.bounded(256)), quint8(random.bounded(256)), blue};
            }
            setPixel(mask, x, y, colour);
        }
    }
    return mask;
}

ColourScheme randomScheme(QRandomGenerator &random)
{
    ColourScheme scheme;
    for (int element = 1; element <= 60; ++element) {
        scheme.entry(element) = {quint8(random.bounded(256)), quint8(random.bounded(256)),
                                 quint8(random.bounded(256)), quint8(random.bounded(256))};
    }
    return scheme;
}

// What repaintAll must produce: the reference scan for all elements of a scheme.
QImage referenceRepaint(const QImage &mask, const ColourScheme &scheme)
{
    QImage pane = mask.copy();
    for (int element = 1; element <= 60; ++element) {
        const Rgb c = scheme.colour(element);
        referencePaintElement(element, c.red, c.green, c.blue, pane, mask);
    }
    return pane;
}

int differingPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

} // namespace

class TestRenderer : public QObject
{
    Q_OBJECT
private slots:
    void paintsExactlyWhatAFullScanPaints();
    void repaintAllOfBuiltInPanesMatchesTheScan();
    void elementsWithoutPixelsChangeNothing();
    void nearMissesAndFixedPixelsKeepTheirColours();
    void brightnessNeverReachesThePreview();
    void telltaleElementsRepaintTheirRegions();
    void eachPaneIsAnnouncedOncePerBatch();
    void pickAcceptsTheLooserTest();
    void readingOutsideAPaneGivesWhite();
};

void TestRenderer::paintsExactlyWhatAFullScanPaints()
{
    QRandomGenerator random(42);
    for (int round = 0; round < 6; ++round) {
        const QSize size = round == 5 ? QSize(37, 13) : QSize(101, 80); // rows with other padding too
        const QImage mask = randomMask(random, size);
        PreviewPane pane(mask);
        QImage reference = mask.copy();
        QCOMPARE(pane.picture(), reference);

        // Elements in a random order and with repeats, as edits arrive.
        for (int step = 0; step < 200; ++step) {
            const int element = random.bounded(1, 61);
            const Rgb c{quint8(random.bounded(256)), quint8(random.bounded(256)), quint8(random.bounded(256))};
            pane.paintElement(element, c);
            referencePaintElement(element, c.red, c.green, c.blue, reference, mask);
        }
        QCOMPARE(pane.picture(), reference);

        const ColourScheme scheme = randomScheme(random);
        for (int element = 1; element <= 60; ++element)
            pane.paintElement(element, scheme.colour(element));
        QCOMPARE(pane.picture(), referenceRepaint(mask, scheme));
        QCOMPARE(pane.mask(), mask);

        // Numbers that are no elements paint nothing, although the mask holds
        // their would-be codes.
        const QImage painted = pane.picture();
        pane.paintElement(0, {1, 2, 3});
        pane.paintElement(61, {1, 2, 3});
        QCOMPARE(pane.picture(), painted);
    }
}

void TestRenderer::repaintAllOfBuiltInPanesMatchesTheScan()
{
    QRandomGenerator random(7);
    PreviewPanes panes;
    // A view changes only what is drawn, and what is drawn follows every paint.
    const PreviewPanes::View views[] = {{}, {true, ColourScience::Vision::Deutan}, {false, ColourScience::Vision::Tritan}};
    for (const PreviewPanes::View &view : views) {
        panes.setView(view);
        const ColourScheme scheme = randomScheme(random);
        panes.repaintAll(scheme);
        for (int i = 0; i < PreviewPanes::kCount; ++i) {
            const QImage mask = PreviewPanes::builtInPicture(i);
            QCOMPARE(mask.size(), QSize(101, 80));
            QCOMPARE(panes.pane(i).picture(), referenceRepaint(mask, scheme));
        }
        panes.paintElement(random.bounded(1, 61), {quint8(random.bounded(256)), 40, 200});
        for (int i = 0; i < PreviewPanes::kCount; ++i)
            QCOMPARE(panes.shownPicture(i), PreviewPanes::viewed(panes.pane(i).picture(), view));
    }
}

void TestRenderer::elementsWithoutPixelsChangeNothing()
{
    PreviewPanes panes;
    std::array<QImage, PreviewPanes::kCount> before;
    for (int i = 0; i < PreviewPanes::kCount; ++i)
        before[i] = panes.pane(i).picture();

    // Element 1 lies only in pane 1; 8, 25 and 60 lie in none; 0 and 61 are no elements.
    QSignalSpy changed(&panes, &PreviewPanes::paneChanged);
    panes.paintElement(1, {12, 34, 56});
    for (int i : {0, 2, 3, 4, 5})
        QCOMPARE(panes.pane(i).picture(), before[i]);
    QVERIFY(panes.pane(1).picture() != before[1]);
    QCOMPARE(changed.size(), 6); // every pane is refreshed all the same
    before[1] = panes.pane(1).picture();

    for (int element : {8, 9, 25, 46, 57, 59, 60, 0, 61, -3}) {
        panes.paintElement(element, {1, 2, 3});
        for (int i = 0; i < PreviewPanes::kCount; ++i)
            QCOMPARE(panes.pane(i).picture(), before[i]);
    }
}

void TestRenderer::nearMissesAndFixedPixelsKeepTheirColours()
{
    QImage mask(4, 2, QImage::Format_BGR888);
    setPixel(mask, 0, 0, {5, 249, 0});     // element 5
    setPixel(mask, 1, 0, {5, 249, 255});   // element 5, other blue
    setPixel(mask, 2, 0, {5, 250, 100});   // (n, 255 - n): fixed
    setPixel(mask, 3, 0, {5, 248, 100});   // (n, 253 - n): fixed
    setPixel(mask, 0, 1, {255, 255, 255}); // white
    setPixel(mask, 1, 1, {0, 0, 0});       // black
    setPixel(mask, 2, 1, {36, 0, 0});      // icon colour
    setPixel(mask, 3, 1, {0, 254, 7});     // "element 0"
    PreviewPane pane(mask);
    for (int element = 0; element <= 61; ++element)
        pane.paintElement(element, {200, 100, 50});
    QCOMPARE(pane.pixelCount(5), 2);
    QCOMPARE(pane.pictureColourAt({0, 0}), (Rgb{200, 100, 50}));
    QCOMPARE(pane.pictureColourAt({1, 0}), (Rgb{200, 100, 50}));
    for (QPoint fixed : {QPoint(2, 0), QPoint(3, 0), QPoint(0, 1), QPoint(1, 1), QPoint(2, 1), QPoint(3, 1)})
        QCOMPARE(pane.pictureColourAt(fixed), pane.maskColourAt(fixed));
}

void TestRenderer::brightnessNeverReachesThePreview()
{
    PreviewPanes panes;
    ColourScheme scheme;
    scheme.loadStandard(StandardScheme::Blue);
    panes.repaintAll(scheme);
    std::array<QImage, PreviewPanes::kCount> before;
    for (int i = 0; i < PreviewPanes::kCount; ++i)
        before[i] = panes.pane(i).picture();
    for (int element = 1; element <= 60; ++element)
        scheme.entry(element).brightness = 100;
    panes.repaintAll(scheme);
    for (int i = 0; i < PreviewPanes::kCount; ++i)
        QCOMPARE(panes.pane(i).picture(), before[i]);
}

void TestRenderer::telltaleElementsRepaintTheirRegions()
{
    PreviewPanes panes;
    ColourScheme scheme;
    scheme.loadStandard(StandardScheme::Blue);
    panes.repaintAll(scheme);

    // Element 2 is the background of the standby screen.
    QImage before = panes.pane(1).picture();
    panes.paintElement(2, {1, 2, 3});
    QCOMPARE(differingPixels(before, panes.pane(1).picture()), panes.pane(1).pixelCount(2));
    QVERIFY(panes.pane(1).pixelCount(2) > 3000);
    QCOMPARE(panes.pane(1).pictureColourAt({0, 0}), (Rgb{1, 2, 3}));

    // Element 7 is the softkey bar of every screen.
    panes.paintElement(7, {9, 8, 7});
    for (int i = 0; i < PreviewPanes::kCount; ++i) {
        QVERIFY(panes.pane(i).pixelCount(7) > 500);
        QCOMPARE(panes.pane(i).pictureColourAt({0, 79}), (Rgb{9, 8, 7}));
        QCOMPARE(panes.pane(i).pictureColourAt({100, 79}), (Rgb{9, 8, 7}));
    }
}

void TestRenderer::eachPaneIsAnnouncedOncePerBatch()
{
    PreviewPanes panes;
    QSignalSpy changed(&panes, &PreviewPanes::paneChanged);
    ColourScheme scheme;
    panes.repaintAll(scheme);
    QCOMPARE(changed.size(), PreviewPanes::kCount);
    for (int i = 0; i < PreviewPanes::kCount; ++i)
        QCOMPARE(changed.at(i).at(0).toInt(), i);
}

void TestRenderer::pickAcceptsTheLooserTest()
{
    QCOMPARE(ElementCode::picked({21, 233, 0}), std::optional<int>(21));
    QCOMPARE(ElementCode::picked({36, 0, 0}), std::optional<int>(36));
    QCOMPARE(ElementCode::picked({34, 100, 200}), std::optional<int>(34));
    QCOMPARE(ElementCode::picked({36, 219, 0}), std::nullopt);
    QCOMPARE(ElementCode::picked({255, 255, 255}), std::nullopt);
    QCOMPARE(ElementCode::picked({0, 0, 0}), std::nullopt);
    QCOMPARE(ElementCode::picked({61, 193, 0}), std::nullopt);
    QCOMPARE(ElementCode::element(36, 0), std::nullopt);
    QCOMPARE(ElementCode::element(21, 233), std::optional<int>(21));
}

void TestRenderer::readingOutsideAPaneGivesWhite()
{
    PreviewPanes panes;
    for (QPoint outside : {QPoint(-1, 0), QPoint(101, 5), QPoint(5, 80), QPoint(300, -20)}) {
        QCOMPARE(panes.pane(0).maskColourAt(outside), (Rgb{255, 255, 255}));
        QCOMPARE(panes.pane(0).pictureColourAt(outside), (Rgb{255, 255, 255}));
    }
}

QTEST_GUILESS_MAIN(TestRenderer)
#include "tst_renderer.moc"
