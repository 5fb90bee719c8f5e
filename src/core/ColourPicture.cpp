#include "ColourPicture.h"

#include "RegularFile.h"

#include <QFile>
#include <QImageReader>

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
// marks the picture as damaged instead of being printed.
thread_local bool *t_endsEarly = nullptr;
QtMessageHandler g_nextHandler = nullptr;

void watchForEarlyEnd(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (t_endsEarly && type == QtWarningMsg && message.contains(QLatin1String("remature end"))) {
        *t_endsEarly = true;
        return;
    }
    if (g_nextHandler)
        g_nextHandler(type, context, message);
}

// Notes, while it lives, whether the decoder on this thread said its data ended early.
class EarlyEndWatch
{
public:
    EarlyEndWatch()
    {
        static const bool installed = [] {
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

// Whether a JPEG's data reaches its end marker after its first scan: a file cut
// short does not, and its decoder fills what is missing with grey without a
// word. (Inside a scan a 0xFF byte is always followed by 0x00 or a restart
// marker, so the end marker cannot be met by chance.)
bool jpegReachesItsEnd(QIODevice &device)
{
    if (!device.seek(0))
        return false;
    bool inScan = false;
    char previous = 0;
    QByteArray chunk;
    while (!(chunk = device.read(1 << 16)).isEmpty()) {
        for (const char byte : std::as_const(chunk)) {
            if (previous == '\xff') {
                if (byte == '\xda')
                    inScan = true;
                else if (byte == '\xd9' && inScan)
                    return true;
            }
            previous = byte;
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
