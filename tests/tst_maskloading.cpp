#include "ColourScheme.h"
#include "PictureFile.h"
#include "PreviewPanes.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

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
    void otherPictureReplacesPanesAndMasks();
    void refusedFilesChangeNothing_data();
    void refusedFilesChangeNothing();
    void statedDepthOfBmpAndPng();

private:
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
    QCOMPARE(PictureFile::statedBitsPerPixel(path), std::optional<int>(24));
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

void TestMaskLoading::otherPictureReplacesPanesAndMasks()
{
    // A picture of its own size with one pixel of element 7 in a PNG file.
    QImage image(20, 10, QImage::Format_RGB888);
    image.fill(Qt::white);
    image.setPixel(3, 4, qRgb(7, 247, 64));
    const QString path = save(QStringLiteral("small.png"), image, "PNG");
    QCOMPARE(PictureFile::statedBitsPerPixel(path), std::optional<int>(24));

    PreviewPanes panes;
    QCOMPARE(panes.loadMaskFile(path), std::nullopt);
    QCOMPARE(panes.pane(2).size(), QSize(20, 10));
    QCOMPARE(panes.pane(2).pixelCount(7), 1);
    panes.paintElement(7, {1, 2, 3});
    QCOMPARE(panes.pane(2).pictureColourAt({3, 4}), (Rgb{1, 2, 3}));
    QCOMPARE(panes.pane(2).pictureColourAt({4, 4}), (Rgb{255, 255, 255}));
    QCOMPARE(panes.pane(2).maskColourAt({3, 4}), (Rgb{7, 247, 64}));
}

void TestMaskLoading::refusedFilesChangeNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("problem"); // a part of the message

    const QImage mask = PreviewPanes::builtInPicture(1);
    QTest::newRow("8-bit bmp") << save(QStringLiteral("indexed.bmp"),
                                       mask.convertToFormat(QImage::Format_Indexed8), "BMP")
                               << PictureFile::kOnly24BitMessage;
    QTest::newRow("32-bit png") << save(QStringLiteral("alpha.png"), mask.convertToFormat(QImage::Format_ARGB32), "PNG")
                                << PictureFile::kOnly24BitMessage;
    QTest::newRow("grey png") << save(QStringLiteral("grey.png"), mask.convertToFormat(QImage::Format_Grayscale8), "PNG")
                              << PictureFile::kOnly24BitMessage;

    const QString text = m_dir.filePath(QStringLiteral("notes.bmp"));
    QFile file(text);
    if (file.open(QIODevice::WriteOnly))
        file.write("ColourScheme\r\nnot a picture\r\n");
    QTest::newRow("not a picture") << text << QStringLiteral("not a picture");
    QTest::newRow("missing") << m_dir.filePath(QStringLiteral("missing.bmp")) << QStringLiteral("not a picture");
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
    QVERIFY2(refused->contains(problem), qPrintable(*refused));
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
    const auto indexed = PictureFile::statedBitsPerPixel(
        save(QStringLiteral("d8.bmp"), image.convertToFormat(QImage::Format_Indexed8), "BMP"));
    QVERIFY(indexed && *indexed <= 8);
    QCOMPARE(PictureFile::statedBitsPerPixel(save(QStringLiteral("d24.bmp"), image, "BMP")), std::optional<int>(24));
    QCOMPARE(PictureFile::statedBitsPerPixel(save(QStringLiteral("d32.png"),
                                                  image.convertToFormat(QImage::Format_ARGB32), "PNG")),
             std::optional<int>(32));
    QCOMPARE(PictureFile::statedBitsPerPixel(save(QStringLiteral("d.jpg"), image, "JPG")), std::nullopt);
    // A JPEG decodes to 32-bit pixels and is refused for that.
    QCOMPARE(PictureFile::load24Bit(m_dir.filePath(QStringLiteral("d.jpg"))).problem, PictureFile::kOnly24BitMessage);
}

QTEST_GUILESS_MAIN(TestMaskLoading)
#include "tst_maskloading.moc"
