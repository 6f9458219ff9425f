#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace lumo::platform {

// The settings file as text this program can read as its own and change without loss: every
// line is kept as it stands (comments, blank lines, other sections and keys, their order and line
// ends), and a value is set by changing or adding one line. Values are read and written as Qt's
// INI format does for plain text, so files written by earlier versions read the same.
class IniText final {
public:
    // The text of `bytes`, or nothing when they are not the program's kind of file: not UTF-8,
    // control characters other than tab and line ends (a carriage return alone included), or a
    // line that is none of blank, a comment (";" or
    // "#"), "[section]" and "key=value" with a plain key (letters, digits, " _-./%\").
    [[nodiscard]] static std::optional<IniText> parse(const QByteArray& bytes);

    // The value of `key` in `section`; empty when there is none.
    [[nodiscard]] QString value(const QString& section, const QString& key) const;
    // Changes the first line of `key` in the first `section`, or adds it at the end of that
    // section, or adds the section at the end of the text.
    void setValue(const QString& section, const QString& key, const QString& value);

    [[nodiscard]] QByteArray toBytes() const;

private:
    struct Line {
        QString text;
        QString end; // "\n", "\r\n", or "" for a last line without one
    };

    void insert(qsizetype at, const QString& text);

    QList<Line> m_lines;
    QString m_lineEnd = QStringLiteral("\n"); // for new lines: the file's first line end
};

} // namespace lumo::platform
