#include "TerminalText.h"

namespace TerminalText {

namespace {

QString escaped(int code)
{
    return QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
}

// The marks that turn the direction of what follows them (U+061C, U+200E,
// U+200F, U+202A to U+202E, U+2066 to U+2069): a file name holding one would
// show the rest of the line backwards, and a name "gpj.col" as "loc.jpg".
bool turnsDirection(char16_t u)
{
    return u == 0x061c || u == 0x200e || u == 0x200f || (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069);
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
        else if (turnsDirection(u))
            shown += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
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
