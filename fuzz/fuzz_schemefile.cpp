// Reads any bytes as a .col file. Whatever reads cleanly must come back the same
// once written and read again: name, colours, and the flags (as the fourth
// numbers). Flags are varied from the input's own bytes.
#include "SchemeFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const SchemeReadResult read = SchemeFile::parse(bytes);
    if (read.status != SchemeReadResult::Status::Complete)
        return 0;

    ColourScheme scheme;
    read.applyTo(scheme);
    for (int element = 1; element <= kElementCount; ++element)
        scheme.setVisible(element, size > 0 && (data[std::size_t(element) % size] & 1));
    const auto written = SchemeFile::serialize(scheme);
    if (!written)
        std::abort(); // a name read from a file could not be written back
    const SchemeReadResult again = SchemeFile::parse(*written);
    if (again.status != SchemeReadResult::Status::Complete || again.name.value_or(QString()) != scheme.name())
        std::abort();
    for (int element = 1; element <= kElementCount; ++element) {
        const ColourEntry &entry = again.table[std::size_t(element - 1)];
        if (entry.rgb() != scheme.colour(element) || entry.brightness != (scheme.isVisible(element) ? 100 : 0))
            std::abort();
    }
    return 0;
}
