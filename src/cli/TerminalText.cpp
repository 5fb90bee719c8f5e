#include "TerminalText.h"

namespace TerminalText {

namespace {

QString escaped(int code)
{
    return QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
}

} // namespace

QString safe(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            shown += QStringLiteral("\\\\");
        else if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            shown += escaped(u);
        else
            shown += c;
    }
    return shown;
}

QString safeBytes(const QByteArray &bytes)
{
    QString shown;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x80 ? safe(QString(QLatin1Char(c))) : escaped(byte);
    }
    return shown;
}

} // namespace TerminalText
