// Reads any bytes as colour text, once as UTF-8 and once as UTF-16, as a paste
// and the Enter colour dialog read what they are given. Reading must end, and a
// colour it accepts must be the one the text says, read here another way: the
// three numbers in it (none above 255), its hex digits, or the name Qt knows;
// written again as #RRGGBB it reads back the same. A colour made from the
// input's bytes reads back from every form the reader takes, whatever blanks,
// no-break spaces and closing semicolon are around it. A quote of the text for a
// message is one line of at most 40 characters and splits no character.
#include "ColourText.h"

#include <QColor>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

std::optional<Rgb> fromHexDigits(QStringView digits)
{
    int values[6];
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if ((values[i] = hexDigit(digits[i])) < 0)
            return std::nullopt;
    }
    if (digits.size() == 3)
        return Rgb{quint8(values[0] * 17), quint8(values[1] * 17), quint8(values[2] * 17)};
    return Rgb{quint8(values[0] * 16 + values[1]), quint8(values[2] * 16 + values[3]),
               quint8(values[4] * 16 + values[5])};
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The colour an accepted text stands for, worked out without the reader's
// patterns: hex digits where the text is nothing else, else its runs of digits,
// which must be three numbers of at most three digits and at most 255, else the
// letters as a colour name. Nothing where the text cannot be a colour.
std::optional<Rgb> meant(const QString &text)
{
    QString written = QString(text).replace(QChar::Nbsp, u' ').trimmed();
    if (written.endsWith(u';'))
        written = written.chopped(1).trimmed();
    const QStringView digits = written.startsWith(u'#') ? QStringView(written).mid(1) : QStringView(written);
    if (digits.size() == 6 || (digits.size() == 3 && written.startsWith(u'#'))) {
        if (const auto colour = fromHexDigits(digits))
            return colour;
    }
    if (std::any_of(written.cbegin(), written.cend(), isAsciiDigit)) {
        QList<int> numbers;
        for (qsizetype i = 0; i < written.size();) {
            if (!isAsciiDigit(written[i])) {
                ++i;
                continue;
            }
            qsizetype end = i;
            while (end < written.size() && isAsciiDigit(written[end]))
                ++end;
            if (end - i > 3)
                return std::nullopt;
            numbers << written.mid(i, end - i).toInt();
            i = end;
        }
        if (numbers.size() != 3 || std::any_of(numbers.cbegin(), numbers.cend(), [](int n) { return n > 255; }))
            return std::nullopt;
        return Rgb{quint8(numbers[0]), quint8(numbers[1]), quint8(numbers[2])};
    }
    written.remove(u' ');
    const auto isLetter = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    if (written.isEmpty() || !std::all_of(written.cbegin(), written.cend(), isLetter))
        return std::nullopt;
    const QColor named(written);
    if (!named.isValid() || named.alpha() != 255)
        return std::nullopt;
    return Rgb{quint8(named.red()), quint8(named.green()), quint8(named.blue())};
}

void checkReading(const QString &text)
{
    const auto colour = ColourText::parse(text);
    if (!colour)
        return;
    check(meant(text) == colour);
    check(ColourText::parse(ColourText::hex(*colour)) == colour);
}

void checkQuote(const QString &text)
{
    const QString quote = ColourText::quoted(text);
    check(quote.size() >= 2 && quote.startsWith(u'"') && quote.endsWith(u'"'));
    const QStringView inside = QStringView(quote).mid(1, quote.size() - 2);
    check(inside.size() <= 40 || (inside.size() == 41 && inside.endsWith(u'\u2026')));
    for (QChar c : inside)
        check(c != u'\n' && c != u'\r' && c != QChar::LineSeparator && c != QChar::ParagraphSeparator);
    // A character written as two UTF-16 units is kept whole or left out.
    const auto splits = [](QStringView s) {
        for (qsizetype i = 0; i < s.size(); ++i) {
            if (s[i].isHighSurrogate() && (i + 1 == s.size() || !s[i + 1].isLowSurrogate()))
                return true;
            if (s[i].isLowSurrogate() && (i == 0 || !s[i - 1].isHighSurrogate()))
                return true;
        }
        return false;
    };
    check(splits(text) || !splits(inside));
}

// Every way the reader says a colour may be written, around with what the
// bits of `dress` choose.
void checkForms(const Rgb &colour, quint8 dress)
{
    const QString r = QString::number(colour.red), g = QString::number(colour.green), b = QString::number(colour.blue);
    const QString hex = ColourText::hex(colour);
    check(hex.size() == 7 && hex.startsWith(u'#') && hex == hex.toUpper());
    QStringList forms{hex,
                      hex.toLower(),
                      hex.mid(1),
                      u"rgb(%1, %2, %3)"_s.arg(r, g, b),
                      u"RGB (%1,%2,%3)"_s.arg(r, g, b),
                      u"rgb( %1 %2  %3 )"_s.arg(r, g, b),
                      u"%1 %2 %3"_s.arg(r, g, b),
                      u"%1,%2,%3"_s.arg(r, g, b),
                      u"%1 , %2 ,%3"_s.arg(r, g, b)};
    if (colour.red % 17 == 0 && colour.green % 17 == 0 && colour.blue % 17 == 0)
        forms << u"#%1%2%3"_s.arg(colour.red / 17, 1, 16).arg(colour.green / 17, 1, 16).arg(colour.blue / 17, 1, 16);
    static const QString before[] = {QString(), u" "_s, QString(QChar::Nbsp), u"\t "_s};
    static const QString after[] = {QString(), u";"_s, u" ; "_s, QString(QChar::Nbsp) + u"\n"_s};
    for (const QString &form : forms)
        check(ColourText::parse(before[dress & 3] + form + after[(dress >> 2) & 3]) == colour);
}

// A colour name Qt knows reads as its colour, also in capitals or written apart.
void checkName(quint16 which, quint8 apart)
{
    static const QStringList names = QColor::colorNames();
    const QString name = names[which % names.size()];
    const QColor named(name);
    const auto colour = ColourText::parse(name);
    if (named.alpha() != 255) {
        check(!colour); // "transparent"
        return;
    }
    const Rgb expected{quint8(named.red()), quint8(named.green()), quint8(named.blue())};
    check(colour == expected);
    check(ColourText::parse(name.toUpper()) == expected);
    check(ColourText::parse(QString(name).insert(apart % (name.size() + 1), u' ')) == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString utf8 = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString utf16(qsizetype(size / 2), Qt::Uninitialized);
    if (size >= 2)
        std::memcpy(utf16.data(), data, size / 2 * 2); // the bytes need not be aligned for char16_t
    for (const QString &text : {utf8, utf16}) {
        checkReading(text);
        checkQuote(text);
    }

    const auto byte = [&](size_t i) { return i < size ? data[i] : quint8(0); };
    checkForms({byte(0), byte(1), byte(2)}, byte(3));
    if (const auto read = ColourText::parse(utf8))
        checkForms(*read, byte(3));
    checkName(quint16(byte(4) | byte(5) << 8), byte(6));
    return 0;
}
