#include "platform/ini_text.h"

#include <QStringDecoder>
#include <algorithm>
#include <cctype>

namespace lumo::platform {

namespace {
constexpr int kHexDigitsOfEscape = 4; // "\x" and up to four hex digits: one UTF-16 unit

bool isComment(const QString& trimmed)
{
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// "[name]" gives name; anything else nothing.
std::optional<QString> sectionName(const QString& trimmed)
{
    if (trimmed.size() < 2 || !trimmed.startsWith(QLatin1Char('[')) ||
        !trimmed.endsWith(QLatin1Char(']'))) {
        return std::nullopt;
    }
    return trimmed.mid(1, trimmed.size() - 2).trimmed();
}

bool isPlainKeyCharacter(QChar character)
{
    return (character >= QLatin1Char('a') && character <= QLatin1Char('z')) ||
           (character >= QLatin1Char('A') && character <= QLatin1Char('Z')) ||
           (character >= QLatin1Char('0') && character <= QLatin1Char('9')) ||
           QStringView(u" _-./%\\").contains(character);
}

// The key of a "key=value" line; nothing for any other line.
std::optional<QString> keyOf(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) {
        return std::nullopt;
    }
    const QString key = line.left(equals).trimmed();
    if (key.isEmpty() || !std::all_of(key.begin(), key.end(), isPlainKeyCharacter)) {
        return std::nullopt;
    }
    return key;
}

bool hasControlCharacters(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar character) {
        return character.unicode() < 0x20 && character != QLatin1Char('\t') &&
               character != QLatin1Char('\n') && character != QLatin1Char('\r');
    });
}

// Where a raw value ends: at a ";" outside quotes, which starts a comment.
qsizetype valueEnd(QStringView raw)
{
    bool quoted = false;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == QLatin1Char('\\')) {
            ++i;
        } else if (raw[i] == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (raw[i] == QLatin1Char(';') && !quoted) {
            return i;
        }
    }
    return raw.size();
}

// A value as Qt's INI format reads it: blanks around it dropped, "..." quoting (blanks inside
// kept), backslash escapes (\" \\ \n \r \t \xHHHH), and ";" outside quotes starting a comment.
QString decodedValue(QStringView raw)
{
    const QStringView value = raw.left(valueEnd(raw)).trimmed();
    QString result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar character = value[i];
        if (character == QLatin1Char('"')) {
            continue;
        }
        if (character != QLatin1Char('\\') || i + 1 >= value.size()) {
            result += character;
            continue;
        }
        const QChar escaped = value[++i];
        if (escaped == QLatin1Char('n')) {
            result += QLatin1Char('\n');
        } else if (escaped == QLatin1Char('r')) {
            result += QLatin1Char('\r');
        } else if (escaped == QLatin1Char('t')) {
            result += QLatin1Char('\t');
        } else if (escaped == QLatin1Char('x')) {
            qsizetype digits = 0;
            while (digits < kHexDigitsOfEscape && i + 1 + digits < value.size() &&
                   std::isxdigit(value[i + 1 + digits].unicode()) != 0) {
                ++digits;
            }
            result += QChar(value.mid(i + 1, digits).toUShort(nullptr, 16));
            i += digits;
        } else {
            result += escaped;
        }
    }
    return result;
}

// A value as Qt's INI format writes it: as it stands when that reads back the same, else in
// quotes with backslash escapes.
QString encodedValue(const QString& value)
{
    const bool plain =
        value == value.trimmed() && !std::any_of(value.begin(), value.end(), [](QChar character) {
            return character.unicode() < 0x20 || QStringView(u"\";,=\\").contains(character);
        });
    if (plain) {
        return value;
    }
    QString result = QStringLiteral("\"");
    for (const QChar character : value) {
        if (character == QLatin1Char('"') || character == QLatin1Char('\\')) {
            result += QLatin1Char('\\');
            result += character;
        } else if (character.unicode() < 0x20) {
            result += QStringLiteral("\\x%1").arg(character.unicode(), kHexDigitsOfEscape, 16,
                                                  QLatin1Char('0'));
        } else {
            result += character;
        }
    }
    return result + QLatin1Char('"');
}
} // namespace

std::optional<IniText> IniText::parse(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError() || hasControlCharacters(text)) {
        return std::nullopt;
    }
    IniText result;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype feed = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype next = feed < 0 ? text.size() : feed + 1;
        Line line{text.mid(start, next - start), {}};
        for (const QLatin1String end : {QLatin1String("\r\n"), QLatin1String("\n")}) {
            if (line.text.endsWith(end)) {
                line.end = end;
                line.text.chop(end.size());
                break;
            }
        }
        // A carriage return is a line end only before a line feed.
        if (line.text.contains(QLatin1Char('\r'))) {
            return std::nullopt;
        }
        const QString trimmed = line.text.trimmed();
        if (!trimmed.isEmpty() && !isComment(trimmed) && !sectionName(trimmed) &&
            !keyOf(line.text)) {
            return std::nullopt;
        }
        if (result.m_lines.isEmpty() && !line.end.isEmpty()) {
            result.m_lineEnd = line.end;
        }
        result.m_lines << line;
        start = next;
    }
    return result;
}

QString IniText::value(const QString& section, const QString& key) const
{
    bool inSection = false;
    for (const Line& line : m_lines) {
        const QString trimmed = line.text.trimmed();
        if (isComment(trimmed)) {
            continue;
        }
        if (const auto name = sectionName(trimmed)) {
            inSection = *name == section;
        } else if (inSection && keyOf(line.text) == key) {
            return decodedValue(
                QStringView(line.text).mid(line.text.indexOf(QLatin1Char('=')) + 1));
        }
    }
    return {};
}

void IniText::insert(qsizetype at, const QString& text)
{
    // The line before a new last line gets the line end it lacked.
    if (at == m_lines.size() && at > 0 && m_lines.back().end.isEmpty()) {
        m_lines.back().end = m_lineEnd;
    }
    m_lines.insert(at, Line{text, m_lineEnd});
}

void IniText::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString newLine = key + QLatin1Char('=') + encodedValue(value);
    qsizetype lastOfSection = -1; // the last key line of the first such section, or its header
    bool inSection = false;
    bool seenSection = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString trimmed = m_lines[i].text.trimmed();
        if (isComment(trimmed) || trimmed.isEmpty()) {
            continue;
        }
        if (const auto name = sectionName(trimmed)) {
            inSection = *name == section && !seenSection;
            seenSection = seenSection || inSection;
            if (inSection) {
                lastOfSection = i;
            }
        } else if (inSection) {
            if (keyOf(m_lines[i].text) == key) {
                m_lines[i].text = newLine;
                return;
            }
            lastOfSection = i;
        }
    }
    if (lastOfSection >= 0) {
        insert(lastOfSection + 1, newLine);
        return;
    }
    if (!m_lines.isEmpty() && !m_lines.back().text.trimmed().isEmpty()) {
        insert(m_lines.size(), QString());
    }
    insert(m_lines.size(), QLatin1Char('[') + section + QLatin1Char(']'));
    insert(m_lines.size(), newLine);
}

QByteArray IniText::toBytes() const
{
    QString text;
    for (const Line& line : m_lines) {
        text += line.text + line.end;
    }
    return text.toUtf8();
}

} // namespace lumo::platform
