#include "ColourText.h"

#include "Problem.h"

#include <QColor>
#include <QRegularExpression>

namespace ColourText {

QString hex(const Rgb &colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(colour.red, 2, 16, QLatin1Char('0'))
        .arg(colour.green, 2, 16, QLatin1Char('0'))
        .arg(colour.blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

namespace {

std::optional<Rgb> fromHex(QStringView digits)
{
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    if (digits.size() == 3) // each digit stands for itself twice: #F80 is #FF8800
        return Rgb{quint8(((value >> 8) & 0xF) * 17), quint8(((value >> 4) & 0xF) * 17), quint8((value & 0xF) * 17)};
    return Rgb{quint8(value >> 16), quint8(value >> 8), quint8(value)};
}

std::optional<Rgb> fromNumbers(const QStringList &numbers)
{
    quint8 channels[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const int value = numbers[i].toInt(&ok);
        if (!ok || value < 0 || value > 255)
            return std::nullopt;
        channels[i] = quint8(value);
    }
    return Rgb{channels[0], channels[1], channels[2]};
}

} // namespace

std::optional<Rgb> parse(const QString &text)
{
    static const QRegularExpression hexForm(QStringLiteral("^#?([0-9A-Fa-f]{6})$|^#([0-9A-Fa-f]{3})$"));
    // Between numbers: a comma with blanks around it, or blanks alone.
    static const QString apart = QStringLiteral("(?:\\s*,\\s*|\\s+)");
    static const QRegularExpression functionForm(
        QStringLiteral("^rgb\\s*\\(\\s*(\\d{1,3})%1(\\d{1,3})%1(\\d{1,3})\\s*\\)$").arg(apart),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression numbersForm(QStringLiteral("^(\\d{1,3})%1(\\d{1,3})%1(\\d{1,3})$").arg(apart));
    static const QRegularExpression nameForm(QStringLiteral("^[A-Za-z]+$"));

    // As copied from a web page or a style sheet: no-break spaces, and a
    // declaration's closing semicolon.
    QString written = text;
    written.replace(QChar::Nbsp, u' ');
    written = written.trimmed();
    if (written.endsWith(u';'))
        written = written.chopped(1).trimmed();
    if (const auto match = hexForm.match(written); match.hasMatch())
        return fromHex(match.capturedView(1).isEmpty() ? match.capturedView(2) : match.capturedView(1));
    if (const auto match = functionForm.match(written); match.hasMatch())
        return fromNumbers(match.capturedTexts().mid(1));
    if (const auto match = numbersForm.match(written); match.hasMatch())
        return fromNumbers(match.capturedTexts().mid(1));
    // Names may be written apart ("dark orange"), as Qt's lookup allows.
    if (const QString name = QString(written).remove(u' '); nameForm.match(name).hasMatch()) {
        const QColor named(name);
        if (named.isValid() && named.alpha() == 255)
            return fromQColor(named);
    }
    return std::nullopt;
}

QString quoted(const QString &text)
{
    return Problem::quoted(text.simplified());
}

} // namespace ColourText
