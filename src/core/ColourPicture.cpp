#include "ColourPicture.h"

#include "RegularFile.h"

#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>

#include <cstdio>

namespace {

// A device read through another that stops giving bytes once the read is
// cancelled: the decoder then fails at its next read, whatever its format.
class CancellableDevice : public QIODevice
{
public:
    CancellableDevice(QIODevice &source, const std::atomic_bool &cancelled)
        : m_source(source)
        , m_cancelled(cancelled)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return m_source.isSequential(); }
    qint64 size() const override { return m_source.size(); }
    bool seek(qint64 position) override { return QIODevice::seek(position) && m_source.seek(position); }

protected:
    qint64 readData(char *data, qint64 length) override
    {
        if (m_cancelled.load(std::memory_order_relaxed))
            return -1;
        return m_source.read(data, length);
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice &m_source;
    const std::atomic_bool &m_cancelled;
};

// The JPEG decoder fills the rows its data does not reach with grey and says
// so only in a warning: "Premature end of JPEG file" for a file cut short,
// "Corrupt JPEG data: premature end of data segment" for a scan that stops
// early. While a picture is decoded on a thread, such a warning on that thread
// marks the picture as damaged instead of being printed. The decoder's
// warnings are kept on whatever the logging rules say, or the watch would
// see nothing.
thread_local bool *t_endsEarly = nullptr;
std::atomic<QtMessageHandler> g_nextHandler{nullptr};
QLoggingCategory::CategoryFilter g_nextFilter = nullptr;

void watchForEarlyEnd(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (t_endsEarly && type == QtWarningMsg && message.contains(QLatin1String("remature end"))) {
        *t_endsEarly = true;
        return;
    }
    if (const QtMessageHandler next = g_nextHandler.load())
        next(type, context, message);
    else // only while the watch is put in place
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void keepDecoderWarnings(QLoggingCategory *category)
{
    if (g_nextFilter)
        g_nextFilter(category);
    if (qstrcmp(category->categoryName(), "qt.gui.imageio.jpeg") == 0)
        category->setEnabled(QtWarningMsg, true);
}

// Notes, while it lives, whether the decoder on this thread said its data ended early.
class EarlyEndWatch
{
public:
    EarlyEndWatch()
    {
        static const bool installed = [] {
            g_nextFilter = QLoggingCategory::installFilter(keepDecoderWarnings);
            g_nextHandler = qInstallMessageHandler(watchForEarlyEnd);
            return true;
        }();
        Q_UNUSED(installed);
        t_endsEarly = &m_endsEarly;
    }
    ~EarlyEndWatch() { t_endsEarly = nullptr; }
    EarlyEndWatch(const EarlyEndWatch &) = delete;
    EarlyEndWatch &operator=(const EarlyEndWatch &) = delete;

    bool endsEarly() const { return m_endsEarly; }

private:
    bool m_endsEarly = false;
};

ColourPicture::Result refused(Text reason, QStringList values = {})
{
    return {QImage(), Problem{reason, std::move(values)}};
}

// Where the scan data that starts at `at` ends: the place of the next marker
// that is neither a stuffed 0xFF byte (followed by 0x00) nor a restart marker;
// -1 where the file ends first.
qint64 endOfScan(QIODevice &device, qint64 at)
{
    char previous = 0;
    for (QByteArray chunk; device.seek(at) && !(chunk = device.read(1 << 16)).isEmpty(); at += chunk.size()) {
        for (qsizetype i = 0; i < chunk.size(); ++i) {
            const auto byte = quint8(chunk[i]);
            if (previous == '\xff' && byte != 0x00 && byte != 0xff && (byte < 0xd0 || byte > 0xd7))
                return at + i - 1;
            previous = chunk[i];
        }
    }
    return -1;
}

// Whether a JPEG's data reaches its end marker after a scan, its segments
// walked by their lengths (a thumbnail inside the first segments has markers
// of its own): a file cut short does not, and its decoder fills what is
// missing with grey.
bool jpegReachesItsEnd(QIODevice &device)
{
    const auto bytesAt = [&device](qint64 at, qint64 count) {
        return device.seek(at) ? device.read(count) : QByteArray();
    };
    bool scanned = false;
    qint64 at = 2; // after the start marker
    while (at >= 0) {
        const QByteArray marker = bytesAt(at, 2);
        if (marker.size() < 2 || marker[0] != '\xff')
            return false;
        const auto kind = quint8(marker[1]);
        if (kind == 0xff) { // a fill byte before the marker
            ++at;
            continue;
        }
        at += 2;
        if (kind == 0xd9)
            return scanned;
        if (kind == 0xd8 || kind == 0x01 || (kind >= 0xd0 && kind <= 0xd7))
            continue; // markers without a length
        const QByteArray length = bytesAt(at, 2);
        if (length.size() < 2)
            return false;
        const int size = quint8(length[0]) << 8 | quint8(length[1]);
        if (size < 2)
            return false;
        at += size;
        if (kind == 0xda) {
            scanned = true;
            at = endOfScan(device, at);
        }
    }
    return false;
}

} // namespace

ColourPicture::Result ColourPicture::read(const QString &path, const std::atomic_bool *cancelled)
{
    QFile file;
    if (auto problem = RegularFile::openForReading(path, file))
        return {QImage(), problem};
    if (file.size() > kMaximumFileSize)
        return refused(Text::FileTooLarge, {QString::number(file.size()), QString::number(kMaximumFileSize)});
    return decode(file, cancelled);
}

ColourPicture::Result ColourPicture::decode(QIODevice &source, const std::atomic_bool *cancelled)
{
    const std::atomic_bool never{false};
    CancellableDevice device(source, cancelled ? *cancelled : never);
    QImageReader reader(&device);
    reader.setAutoTransform(false); // the colours are the same either way round
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return refused(Text::NotAPicture);

    // Judged by the declared size, before the decoder takes any memory for it.
    const QSize size = reader.size();
    if (!size.isValid())
        return refused(Text::NotAPicture);
    if (size.width() > kMaximumSide || size.height() > kMaximumSide
        || qint64(size.width()) * size.height() > kMaximumPixels) {
        return refused(Text::PictureTooLargeToRead,
                       {QString::number(size.width()), QString::number(size.height()),
                        QString::number(kMaximumSide), QString::number(kMaximumPixels / 1'000'000)});
    }
    // Its colours need no more than an eighth: a JPEG decodes at that size at
    // once. Other formats decode whole (the PNG reader's own scaling turns a
    // picture of two colours black) and are made small afterwards.
    const bool jpeg = format == "jpeg";
    if (jpeg && size.width() >= 512 && size.height() >= 512)
        reader.setScaledSize(size / 8);
    // A picture within the pixel limit may take 8 bytes a pixel (16 bits a
    // channel): room for that, and no more.
    reader.setAllocationLimit(int(kMaximumPixels * 8 >> 20) + 1);

    EarlyEndWatch watch;
    QImage picture = reader.read();
    if (picture.isNull())
        return refused(Text::PictureUnreadable, {reader.errorString()});
    if (watch.endsEarly() || (jpeg && !jpegReachesItsEnd(device)))
        return refused(Text::PictureDamaged);
    return {picture, std::nullopt};
}
