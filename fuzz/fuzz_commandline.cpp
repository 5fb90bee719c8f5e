// Parses any arguments (the input split at line breaks) as the program's command
// line. Whatever it decides must be a complete request.
#include "CommandLine.h"

#include <QImageWriter>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList arguments{QStringLiteral("vexlume")};
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QByteArray &argument : bytes.split('\n'))
        arguments << QString::fromLocal8Bit(argument);

    const CommandLine::Invocation invocation = CommandLine::parse(arguments);
    switch (invocation.mode) {
    case CommandLine::Mode::UsageError:
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version:
        if (invocation.text.isEmpty())
            std::abort();
        break;
    case CommandLine::Mode::Check:
        if (invocation.files.isEmpty())
            std::abort();
        break;
    case CommandLine::Mode::Render: {
        const Reports::RenderRequest &r = invocation.render;
        if (r.scale < 1 || r.scale > CommandLine::kMaximumScale || (r.schemeFile.isEmpty() == r.standardScheme.isEmpty()))
            std::abort();
        if (!QImageWriter::supportedImageFormats().contains(r.format))
            std::abort();
        break;
    }
    case CommandLine::Mode::Contrast: {
        // Files or one built-in scheme, never both, at a level a ratio can have.
        const Reports::ContrastRequest &c = invocation.contrast;
        if (c.files.isEmpty() == c.standardScheme.isEmpty() || !(c.textLevel >= 1 && c.textLevel <= 21))
            std::abort();
        break;
    }
    case CommandLine::Mode::Editor:
        break;
    }
    return 0;
}
