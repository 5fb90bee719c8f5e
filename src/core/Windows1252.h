#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The 8-bit code page the phone's tools write scheme names in. Bytes 0x80-0x9F
// carry typographic characters; the five bytes the code page leaves undefined
// decode to the C1 control of the same value so that every byte survives a
// round trip.
class Windows1252
{
public:
    static QString decode(QByteArrayView bytes);
    static bool canEncode(char16_t character);
    // Empty when the text holds a character the code page cannot hold.
    static std::optional<QByteArray> encode(const QString &text);
    // The first character of the text that the code page cannot hold, if any
    // (a whole character: both halves of a surrogate pair).
    static std::optional<QString> firstUnencodable(const QString &text);
};
