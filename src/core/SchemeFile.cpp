#include "SchemeFile.h"

#include "RegularFile.h"
#include "Windows1252.h"


#include <cmath>

namespace {

// Reads a file the way sequential list input does: blanks before an item are
// skipped; a number ends at a blank, a comma or the line end; any other text runs
// to the next comma or line end (trailing blanks dropped); an empty line is one
// empty item. Line ends may be CR LF, LF or CR; a run of CRs right before an LF
// is one line end (a file that went through a text-mode transfer gains a CR per
// pass), while a CR followed by anything else ends a line on its own.
class ItemReader
{
public:
    struct Item
    {
        QByteArray text;
        bool isNumber = false;
        int line = 0;
    };

    explicit ItemReader(const QByteArray &data) : m_data(data) {}

    bool atEnd() const { return m_pos >= m_data.size(); }
    bool atLineStart() const { return m_atLineStart; }
    int line() const { return m_line; }

    Item next()
    {
        skipBlanks();
        Item item;
        item.line = m_line;
        if (atEnd() || atLineEnd()) {
            consumeLineEnd();
            return item;
        }
        const qsizetype numberEnd = numberEndAt(m_pos);
        if (numberEnd > m_pos && isDelimiterAt(numberEnd)) {
            item.text = m_data.mid(m_pos, numberEnd - m_pos);
            item.isNumber = true;
            m_pos = numberEnd;
            skipBlanks();
        } else {
            const qsizetype start = m_pos;
            while (!atEnd() && !atLineEnd() && m_data.at(m_pos) != ',')
                ++m_pos;
            qsizetype end = m_pos;
            while (end > start && isBlank(m_data.at(end - 1)))
                --end;
            item.text = m_data.mid(start, end - start);
        }
        // One delimiter belongs to the item: a comma or a line end.
        if (!atEnd() && m_data.at(m_pos) == ',') {
            ++m_pos;
            m_atLineStart = false;
        } else {
            consumeLineEnd();
        }
        return item;
    }

    // The rest of the current line, exactly as it stands, and the line end.
    QByteArray takeLine()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && !atLineEnd())
            ++m_pos;
        const QByteArray text = m_data.mid(start, m_pos - start);
        consumeLineEnd();
        return text;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    bool atLineEnd() const { return m_data.at(m_pos) == '\r' || m_data.at(m_pos) == '\n'; }

    bool isDelimiterAt(qsizetype pos) const
    {
        if (pos >= m_data.size())
            return true;
        const char c = m_data.at(pos);
        return isBlank(c) || c == ',' || c == '\r' || c == '\n';
    }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_data.at(m_pos)))
            ++m_pos;
    }

    void consumeLineEnd()
    {
        if (atEnd())
            return;
        if (m_data.at(m_pos) == '\r') {
            // The end of the run is kept, so that a file of nothing but CRs is
            // still read in one pass.
            if (m_pos >= m_crRunEnd) {
                m_crRunEnd = m_pos;
                while (m_crRunEnd < m_data.size() && m_data.at(m_crRunEnd) == '\r')
                    ++m_crRunEnd;
            }
            if (m_crRunEnd < m_data.size() && m_data.at(m_crRunEnd) == '\n')
                m_pos = m_crRunEnd + 1;
            else
                ++m_pos;
        } else if (m_data.at(m_pos) == '\n') {
            ++m_pos;
        } else {
            return;
        }
        ++m_line;
        m_atLineStart = true;
    }

    // The end of a decimal number starting at pos ([+-] digits [. digits]
    // [e [+-] digits]), or pos when none starts there.
    qsizetype numberEndAt(qsizetype pos) const
    {
        const qsizetype size = m_data.size();
        qsizetype p = pos;
        if (p < size && (m_data.at(p) == '+' || m_data.at(p) == '-'))
            ++p;
        qsizetype digits = 0;
        while (p < size && isDigit(m_data.at(p)))
            ++p, ++digits;
        if (p < size && m_data.at(p) == '.') {
            ++p;
            while (p < size && isDigit(m_data.at(p)))
                ++p, ++digits;
        }
        if (digits == 0)
            return pos;
        if (p < size && (m_data.at(p) == 'e' || m_data.at(p) == 'E')) {
            qsizetype q = p + 1;
            if (q < size && (m_data.at(q) == '+' || m_data.at(q) == '-'))
                ++q;
            if (q < size && isDigit(m_data.at(q))) {
                while (q < size && isDigit(m_data.at(q)))
                    ++q;
                p = q;
            }
        }
        return p;
    }

    const QByteArray &m_data;
    qsizetype m_pos = 0;
    qsizetype m_crRunEnd = 0; // where the last run of CRs looked at ends
    int m_line = 1;
    bool m_atLineStart = true;
};

// An item as a message quotes it. Only the bytes that can be quoted are decoded,
// and one more, which tells that the item goes on: Windows-1252 has one
// character a byte.
QString quoted(const QByteArray &text)
{
    return Problem::quoted(Windows1252::decode(text.left(Problem::kQuotedLength + 1)));
}

SchemeReadResult failure(int line, const Problem &reason)
{
    SchemeReadResult result;
    result.status = SchemeReadResult::Status::Failed;
    result.line = line;
    result.reason = reason;
    return result;
}

} // namespace

namespace {

// How the line after a lone "ColourScheme" (or the rest of a one-line
// "ColourScheme <text>") is taken.
enum class HeaderRule {
    // As the name, whole, whatever it holds: a name may hold commas, leading
    // blanks or the word "data", and must come back as it was saved.
    NameLine,
    // As the "Data" keyword when it holds "data" in any letter case, and as the
    // name as well: a header that goes straight from "ColourScheme" to "Data"
    // names the scheme "Data", just as a file the program writes for a scheme of
    // that name reads.
    KeywordLine,
};

bool holdsDataKeyword(const QString &text)
{
    return text.contains(u"data", Qt::CaseInsensitive);
}

struct Parse
{
    SchemeReadResult result;
    bool headerHeldData = false; // the name taken from the header holds "data"
};

// One reading of a file's bytes under one header rule, in two phases: the
// header up to the "Data" keyword (the name on the way), then the entries.
class SchemeParser
{
public:
    SchemeParser(const QByteArray &bytes, HeaderRule rule) : m_reader(bytes), m_rule(rule) {}

    Parse read()
    {
        readHeader();
        if (!m_inData) {
            m_parse.result = failure(0, {Text::NoDataLine, {}});
            return m_parse;
        }
        if (!readData())
            return m_parse;
        if (!m_numberRead)
            return noNumbers();
        SchemeReadResult &result = m_parse.result;
        result.completeEntries = m_element - 1;
        if (result.completeEntries < kElementCount) {
            result.status = SchemeReadResult::Status::Incomplete;
            result.line = m_lastLine;
            result.reason = {Text::EndsAfter,
                             {QString::number(result.completeEntries), QString::number(kElementCount)}};
        } else {
            result.status = SchemeReadResult::Status::Complete;
        }
        return m_parse;
    }

private:
    // Up to the first item of the data section, or to the end of a file without one.
    void readHeader()
    {
        bool nameNext = false;
        do {
            if (nameNext && m_reader.atLineStart()) {
                m_lastLine = m_reader.line();
                takeName(Windows1252::decode(m_reader.takeLine()));
                nameNext = false;
                continue;
            }
            const ItemReader::Item item = m_reader.next();
            m_lastLine = item.line;
            if (nameNext) { // the name follows a comma on the same line
                m_parse.result.name = Windows1252::decode(item.text);
                nameNext = false;
                continue;
            }
            const QString text = Windows1252::decode(item.text);
            bool isNameLine = false;
            if (text.contains(u"ColourScheme")) {
                const qsizetype blank = text.indexOf(u' ');
                if (blank >= 0) {
                    takeName(text.mid(blank + 1));
                    isNameLine = true;
                } else {
                    nameNext = true;
                }
            }
            if (!isNameLine && holdsDataKeyword(text))
                m_inData = true;
        } while (!m_inData && !m_reader.atEnd());
    }

    // Takes a header's name text; under the keyword rule it may start the data.
    void takeName(const QString &text)
    {
        m_parse.headerHeldData = m_parse.headerHeldData || holdsDataKeyword(text);
        m_parse.result.name = text;
        if (m_rule == HeaderRule::KeywordLine && holdsDataKeyword(text))
            m_inData = true;
    }

    // The entries, four numbers each. False when the file fails or goes on after
    // its last entry: the result then says so.
    bool readData()
    {
        SchemeReadResult &result = m_parse.result;
        int component = -1;
        while (!m_reader.atEnd()) {
            const ItemReader::Item item = m_reader.next();
            m_lastLine = item.line;
            if (m_element > kElementCount) {
                // Blank lines after the last entry are no 61st entry.
                if (item.text.isEmpty())
                    continue;
                if (!m_numberRead) {
                    noNumbers();
                    return false;
                }
                result.status = SchemeReadResult::Status::TrailingContent;
                result.completeEntries = kElementCount;
                result.line = item.line;
                result.reason = {Text::FollowsLastEntry, {quoted(item.text), QString::number(kElementCount)}};
                return false;
            }
            double value = 0; // an empty item counts as 0
            if (!item.text.isEmpty()) {
                if (!item.isNumber) {
                    result = failure(item.line, {Text::NotANumber, {quoted(item.text)}});
                    return false;
                }
                bool fits = false;
                value = std::nearbyint(item.text.toDouble(&fits)); // halves to even
                if (!fits || !(value >= 0 && value <= 255)) {
                    result = failure(item.line, {Text::NotAColourValue, {quoted(item.text)}});
                    return false;
                }
                m_numberRead = true;
            }
            ++component;
            result.table[m_element - 1].setComponent(component, static_cast<quint8>(value));
            if (component == 3) {
                component = -1;
                ++m_element;
            }
        }
        return true;
    }

    // A data section of nothing but blank lines and commas would read as 60 black
    // entries; it is no scheme, like a file without a data section.
    Parse noNumbers()
    {
        m_parse.result = failure(0, {Text::NoNumbers, {}});
        return m_parse;
    }

    ItemReader m_reader;
    HeaderRule m_rule;
    Parse m_parse;
    bool m_inData = false;
    bool m_numberRead = false; // an entry took a number, not only empty items
    int m_element = 1;
    int m_lastLine = 1;
};

Parse parseWith(const QByteArray &bytes, HeaderRule rule)
{
    return SchemeParser(bytes, rule).read();
}

} // namespace

SchemeReadResult SchemeFile::parse(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return failure(0, {Text::FileEmpty, {}});

    // A name holding "data" is a name when a "Data" line follows, as in every
    // file the program writes. Only a file that then has no data at all is read
    // again with that line as the keyword.
    const Parse asName = parseWith(bytes, HeaderRule::NameLine);
    if (asName.result.isLoadable() || !asName.headerHeldData)
        return asName.result;
    const Parse asKeyword = parseWith(bytes, HeaderRule::KeywordLine);
    // When neither reading loads, the one that found a data section tells more.
    const bool nameLineFoundNoData = asName.result.reason.reason == Text::NoDataLine;
    return asKeyword.result.isLoadable() || nameLineFoundNoData ? asKeyword.result : asName.result;
}

SchemeReadResult SchemeFile::read(const QString &path)
{
    const RegularFile::Content content = RegularFile::read(path, kMaximumFileSize);
    if (content.problem)
        return failure(0, *content.problem);
    return parse(content.bytes);
}

std::optional<Problem> SchemeFile::nameProblem(const QString &name)
{
    if (name.contains(u'\r') || name.contains(u'\n'))
        return Problem{Text::NameHasLineBreak, {}};
    if (const auto character = Windows1252::firstUnencodable(name))
        return Problem{Text::NameHasCharacter, {*character}};
    return std::nullopt;
}

namespace {

// The name's characters, each whole (one outside the Basic Multilingual Plane
// is two QChars, taken together), split into those a file can hold and those
// it cannot.
std::pair<QString, QString> splitByWhatAFileHolds(const QString &name)
{
    std::pair<QString, QString> split;
    split.first.reserve(name.size());
    for (qsizetype at = 0; at < name.size();) {
        const qsizetype length = name.at(at).isHighSurrogate() && at + 1 < name.size() ? 2 : 1;
        const QString one = name.mid(at, length);
        if (!SchemeFile::nameProblem(one))
            split.first += one;
        else if (!split.second.contains(one))
            split.second += one;
        at += length;
    }
    return split;
}

} // namespace

QString SchemeFile::nameItCanHold(const QString &name)
{
    return splitByWhatAFileHolds(name).first;
}

QString SchemeFile::charactersItCannotHold(const QString &name)
{
    return splitByWhatAFileHolds(name).second;
}

std::optional<QByteArray> SchemeFile::serialize(const ColourScheme &scheme, FourthNumber fourth)
{
    if (nameProblem(scheme.name()))
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(64 + kElementCount * 20);
    bytes += "ColourScheme\r\n";
    bytes += *Windows1252::encode(scheme.name());
    bytes += "\r\nData\r\n";
    for (int element = 1; element <= kElementCount; ++element) {
        const ColourEntry &entry = scheme.entry(element);
        bytes += QByteArray::number(entry.red) + ' ' + QByteArray::number(entry.green) + ' '
                 + QByteArray::number(entry.blue) + ' ';
        if (fourth == FourthNumber::Brightness)
            bytes += QByteArray::number(entry.brightness).rightJustified(3, '0') + "\r\n";
        else
            bytes += scheme.isVisible(element) ? "100\r\n" : "000\r\n";
    }
    return bytes;
}

std::optional<Problem> SchemeFile::save(const ColourScheme &scheme, const QString &path, FourthNumber fourth)
{
    if (auto problem = nameProblem(scheme.name()))
        return problem;
    return RegularFile::write(path, *serialize(scheme, fourth));
}
