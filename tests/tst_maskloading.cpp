#include "ColourScheme.h"
#include "PictureFile.h"
#include "PreviewPanes.h"
#include "support/FileTraps.h"

#include <QFile>
#include <QtEndian>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A BMP file with the old 12-byte core header, written by hand: Qt writes only
// the 40-byte kind. Pixels are given top row first as 0xRRGGBB.
QByteArray coreHeaderBmp(int width, int height, int bitsPerPixel, const QList<quint32> &pixels,
                         const QList<quint32> &palette = {})
{
    const auto le16 = [](QByteArray &b, int v) { b += char(v & 255); b += char((v >> 8) & 255); };
    const auto le32 = [&le16](QByteArray &b, quint32 v) { le16(b, int(v & 0xffff)); le16(b, int(v >> 16)); };
    const auto bgr = [](QByteArray &b, quint32 colour) {
        b += char(colour & 255);
        b += char((colour >> 8) & 255);
        b += char((colour >> 16) & 255);
    };
    const int rowSize = (bitsPerPixel * width + 31) / 32 * 4;
    const int offset = 14 + 12 + 3 * int(palette.size());
    QByteArray bmp = "BM";
    le32(bmp, quint32(offset + rowSize * height));
    le32(bmp, 0);
    le32(bmp, quint32(offset));
    le32(bmp, 12);
    le16(bmp, width);
    le16(bmp, height);
    le16(bmp, 1);
    le16(bmp, bitsPerPixel);
    for (quint32 colour : palette)
        bgr(bmp, colour);
    for (int y = height - 1; y >= 0; --y) { // bottom row first
        QByteArray row;
        for (int x = 0; x < width; ++x) {
            const quint32 p = pixels.value(y * width + x);
            if (bitsPerPixel == 24)
                bgr(row, p);
            else
                row += char(p);
        }
        bmp += row.leftJustified(rowSize, '\0');
    }
    return bmp;
}

// Written out here: the program must show exactly this, in every language.
const QString kOnly24Bit = QStringLiteral("Es werden nur 24-Bit Bitmaps unterstützt!");

std::optional<int> stated(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? PictureFile::statedBitsPerPixel(file.readAll()) : std::nullopt;
}

std::array<QImage, PreviewPanes::kCount> pictures(const PreviewPanes &panes)
{
    std::array<QImage, PreviewPanes::kCount> images;
    for (int i = 0; i < PreviewPanes::kCount; ++i)
        images[i] = panes.pane(i).picture();
    return images;
}

} // namespace

class TestMaskLoading : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void builtInMaskRestoresTheFirstFourPanes();
    void otherPictureReplacesPanesAndMasks_data();
    void otherPictureReplacesPanesAndMasks();
    void refusedFilesChangeNothing_data();
    void refusedFilesChangeNothing();
    void statedDepthOfBmpAndPng();

private:
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }
    QString save(const QString &name, const QImage &image, const char *format)
    {
        const QString path = m_dir.filePath(name);
        if (!image.save(path, format))
            return {};
        return path;
    }
    QTemporaryDir m_dir;
};

void TestMaskLoading::builtInMaskRestoresTheFirstFourPanes()
{
    PreviewPanes panes;
    ColourScheme scheme;
    scheme.loadStandard(StandardScheme::Green);
    panes.repaintAll(scheme);
    const auto coloured = pictures(panes);

    const QString path = save(QStringLiteral("pane0.bmp"), PreviewPanes::builtInPicture(0), "BMP");
    QCOMPARE(stated(path), std::optional<int>(24));
    QSignalSpy changed(&panes, &PreviewPanes::paneChanged);
    QCOMPARE(panes.loadMaskFile(path), std::nullopt);
    QCOMPARE(changed.size(), 4);

    for (int i = 0; i < 4; ++i) {
        QCOMPARE(panes.pane(i).picture(), PreviewPanes::builtInPicture(0));
        QCOMPARE(panes.pane(i).mask(), PreviewPanes::builtInPicture(0));
    }
    QCOMPARE(panes.pane(4).picture(), coloured[4]);
    QCOMPARE(panes.pane(5).picture(), coloured[5]);

    panes.repaintAll(scheme);
    QCOMPARE(panes.pane(0).picture(), coloured[0]);
    QCOMPARE(panes.pane(3).picture(), coloured[0]);
}

void TestMaskLoading::otherPictureReplacesPanesAndMasks_data()
{
    // A picture of its own size with one pixel of element 7.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QImage image(20, 10, QImage::Format_RGB888);
    image.fill(Qt::white);
    image.setPixel(3, 4, qRgb(7, 247, 64));
    QTest::newRow("png") << save(QStringLiteral("small.png"), image, "PNG") << image.size();

    QList<quint32> pixels(20 * 10, 0xffffff);
    pixels[4 * 20 + 3] = 0x07f740;
    QTest::newRow("bmp with a core header") << write(QStringLiteral("core.bmp"), coreHeaderBmp(20, 10, 24, pixels))
                                            << QSize(20, 10);

    // Rows stored top row first, as a negative height says.
    QByteArray topDown;
    QFile bottomUp(save(QStringLiteral("bottomup.bmp"), image, "BMP"));
    if (bottomUp.open(QIODevice::ReadOnly))
        topDown = bottomUp.readAll();
    const int offset = qFromLittleEndian<qint32>(topDown.constData() + 10);
    const int rowSize = (3 * 20 + 3) / 4 * 4;
    QByteArray rows;
    for (int row = 9; row >= 0; --row)
        rows += topDown.mid(offset + row * rowSize, rowSize);
    topDown.replace(offset, rows.size(), rows);
    qToLittleEndian<qint32>(-10, topDown.data() + 22);
    QTest::newRow("top-down bmp") << write(QStringLiteral("topdown.bmp"), topDown) << QSize(20, 10);

    // As wide as a picture may be; one pixel more is refused (below).
    QImage widest(PictureFile::kMaximumSide, 10, QImage::Format_RGB888);
    widest.fill(Qt::white);
    widest.setPixel(3, 4, qRgb(7, 247, 64));
    QTest::newRow("widest") << save(QStringLiteral("widest.bmp"), widest, "BMP") << widest.size();
}

void TestMaskLoading::otherPictureReplacesPanesAndMasks()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QCOMPARE(stated(path), std::optional<int>(24));

    PreviewPanes panes;
    const PreviewPanes::View view{true, ColourScience::Vision::Protan};
    panes.setView(view);
    QCOMPARE(panes.loadMaskFile(path), std::nullopt);
    QCOMPARE(panes.pane(2).size(), size);
    QCOMPARE(panes.pane(2).pixelCount(7), 1);
    panes.paintElement(7, {1, 2, 3});
    QCOMPARE(panes.pane(2).pictureColourAt({3, 4}), (Rgb{1, 2, 3}));
    QCOMPARE(panes.pane(2).pictureColourAt({4, 4}), (Rgb{255, 255, 255}));
    QCOMPARE(panes.pane(2).maskColourAt({3, 4}), (Rgb{7, 247, 64}));
    // The view draws the new picture.
    QCOMPARE(panes.shownPicture(2), PreviewPanes::viewed(panes.pane(2).picture(), view));
    // Two schemes' differences are outlined where the new mask has them: around
    // its one pixel of element 7, the line on the white beside it.
    ColourScheme before;
    ColourScheme after;
    after.setColour(7, {1, 2, 3});
    QImage rendered = panes.render();
    panes.outlineDifferences(rendered, before, after);
    QCOMPARE(rendered.pixel(PreviewPanes::position(2) + QPoint(3, 4)), PreviewPanes::kOutline);
    QVERIFY(rendered.pixel(PreviewPanes::position(2) + QPoint(4, 4)) != PreviewPanes::kOutline);
    QVERIFY(panes.outlineLines(before, after, 2).contains(QRect(PreviewPanes::position(2) * 2 + QPoint(8, 8), QSize(1, 2))));
}

void TestMaskLoading::refusedFilesChangeNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("problem"); // a part of the message

    const QImage mask = PreviewPanes::builtInPicture(1);
    QTest::newRow("8-bit bmp") << save(QStringLiteral("indexed.bmp"),
                                       mask.convertToFormat(QImage::Format_Indexed8), "BMP")
                               << kOnly24Bit;
    QTest::newRow("32-bit png") << save(QStringLiteral("alpha.png"), mask.convertToFormat(QImage::Format_ARGB32), "PNG")
                                << kOnly24Bit;
    QTest::newRow("grey png") << save(QStringLiteral("grey.png"), mask.convertToFormat(QImage::Format_Grayscale8), "PNG")
                              << kOnly24Bit;

    const QString text = m_dir.filePath(QStringLiteral("notes.bmp"));
    QFile file(text);
    if (file.open(QIODevice::WriteOnly))
        file.write("ColourScheme\r\nnot a picture\r\n");
    QTest::newRow("not a picture") << text << QStringLiteral("not a picture");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.bmp")) << QStringLiteral("No such file");
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.bmp"));
    QTest::newRow("fifo") << (makeFifo(fifo) ? fifo : QString()) << QStringLiteral("not a regular file");

    // The depth is where the header kind keeps it: in a core header offset 28
    // is already the palette, here holding 24.
    QTest::newRow("8-bit bmp with a core header")
        << write(QStringLiteral("core8.bmp"), coreHeaderBmp(4, 2, 8, QList<quint32>(8, 0), QList<quint32>(256, 0x180000)))
        << kOnly24Bit;
    QTest::newRow("BM and noise") << write(QStringLiteral("noise.bmp"), "BM" + QByteArray(60, '\x5a'))
                                  << QStringLiteral("not a picture");

    // Cut short: the rows the file lacks must not be taken from memory.
    const QByteArray claim = "BM" + QByteArray(8, '\0') + QByteArray::fromHex("36000000" "28000000" "00040000" "00040000" "0100" "1800")
            + QByteArray(28, '\0');
    QTest::newRow("58 bytes claiming 1024 x 1024") << write(QStringLiteral("claim.bmp"), claim)
                                                   << QStringLiteral("cut short");
    // Sides so large that the size they promise overflows (found by fuzzing).
    QTest::newRow("absurd sides") << write(QStringLiteral("absurd.bmp"),
                                           QByteArray::fromHex("424d5a000000000002003600000028000000000000010000005a07ffffff"))
                                  << QStringLiteral("too large");
    QByteArray half;
    QFile whole(save(QStringLiteral("whole.bmp"), mask, "BMP"));
    if (whole.open(QIODevice::ReadOnly))
        half = whole.readAll();
    half.chop(half.size() / 2);
    QTest::newRow("half a bmp") << write(QStringLiteral("half.bmp"), half) << QStringLiteral("cut short");
    QTest::newRow("huge") << save(QStringLiteral("wide.bmp"), QImage(PictureFile::kMaximumSide + 1, 2, QImage::Format_RGB888), "BMP")
                          << QStringLiteral("too large");
}

void TestMaskLoading::refusedFilesChangeNothing()
{
    QFETCH(QString, path);
    QFETCH(QString, problem);
    QVERIFY(!path.isEmpty());

    PreviewPanes panes;
    ColourScheme scheme;
    scheme.loadStandard(StandardScheme::Red);
    panes.repaintAll(scheme);
    const auto before = pictures(panes);
    QSignalSpy changed(&panes, &PreviewPanes::paneChanged);

    const auto refused = panes.loadMaskFile(path);
    QVERIFY(refused.has_value());
    const QString words = refused->words(Language::English);
    QVERIFY2(words.contains(problem), qPrintable(words));
    QCOMPARE(changed.size(), 0);
    QCOMPARE(pictures(panes), before);
    // Painting afterwards still works on the old pictures.
    panes.paintElement(7, {1, 1, 1});
    QCOMPARE(panes.pane(4).pictureColourAt({0, 79}), (Rgb{1, 1, 1}));
}

void TestMaskLoading::statedDepthOfBmpAndPng()
{
    const QImage image = PreviewPanes::builtInPicture(3);
    // Qt writes an indexed picture with as few bits as its colours need.
    const auto indexed = stated(
        save(QStringLiteral("d8.bmp"), image.convertToFormat(QImage::Format_Indexed8), "BMP"));
    QVERIFY(indexed && *indexed <= 8);
    QCOMPARE(stated(save(QStringLiteral("d24.bmp"), image, "BMP")), std::optional<int>(24));
    QCOMPARE(stated(save(QStringLiteral("d32.png"),
                                                  image.convertToFormat(QImage::Format_ARGB32), "PNG")),
             std::optional<int>(32));
    QCOMPARE(stated(save(QStringLiteral("d.jpg"), image, "JPG")), std::nullopt);
    // A JPEG decodes to 32-bit pixels and is refused for that.
    QCOMPARE(PictureFile::load24Bit(m_dir.filePath(QStringLiteral("d.jpg"))).problem.words(Language::Dutch), kOnly24Bit);
}

QTEST_GUILESS_MAIN(TestMaskLoading)
#include "tst_maskloading.moc"
