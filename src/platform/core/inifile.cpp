#include "platform/core/inifile.h"

#include "platform/core/exceptions.h"
#include "platform/core/savefile.h"

#include <QFile>

#include <optional>
#include <vector>

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

// One line of the file as byte positions: its text runs from `begin` to
// `end` (line break excluded), the next line starts at `next`.
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype next = 0;
};

enum class LineKind { Section, Key, Other };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QString name;  // section or key name, trimmed
    QString value; // a key's value, verbatim
};

std::vector<Line> splitLines(const QByteArray &data)
{
    std::vector<Line> lines;
    qsizetype begin = data.startsWith(utf8Bom) ? utf8Bom.size() : 0;
    while (begin < data.size()) {
        const qsizetype newline = data.indexOf('\n', begin);
        Line line;
        line.begin = begin;
        line.next = newline < 0 ? data.size() : newline + 1;
        line.end = newline < 0 ? data.size() : newline;
        if (line.end > line.begin && data.at(line.end - 1) == '\r')
            --line.end;
        lines.push_back(line);
        begin = line.next;
    }
    return lines;
}

ParsedLine parse(const QByteArray &data, const Line &line)
{
    const QString text = QString::fromUtf8(data.constData() + line.begin, line.end - line.begin);
    const QString lead = text.trimmed();
    ParsedLine parsed;
    if (lead.startsWith(QLatin1Char('['))) {
        const qsizetype close = lead.indexOf(QLatin1Char(']'));
        parsed.kind = LineKind::Section;
        parsed.name = lead.mid(1, close < 0 ? -1 : close - 1).trimmed();
    } else if (!lead.startsWith(QLatin1Char(';'))) {
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            parsed.kind = LineKind::Key;
            parsed.name = text.left(equals).trimmed();
            parsed.value = text.mid(equals + 1);
        }
    }
    return parsed;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a key stands in the file: the section's header line, the key's own
// line and the section's last key line, as indexes into the lines.
struct Location {
    std::optional<size_t> section;
    std::optional<size_t> key;
    size_t lastKey = 0;
    QString value;
};

Location locate(const QByteArray &data, const std::vector<Line> &lines, const QString &section,
                const QString &key)
{
    Location found;
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    bool inSection = false;
    for (size_t n = 0; n < lines.size(); ++n) {
        const ParsedLine parsed = parse(data, lines[n]);
        if (parsed.kind == LineKind::Section) {
            if (inSection)
                break; // only the first matching section counts
            inSection = sameName(parsed.name, wantedSection);
            if (inSection) {
                found.section = n;
                found.lastKey = n;
            }
        } else if (inSection && parsed.kind == LineKind::Key) {
            found.lastKey = n;
            if (sameName(parsed.name, wantedKey)) {
                found.key = n;
                found.value = parsed.value;
                break;
            }
        }
    }
    return found;
}

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}

QByteArray lineBreakOf(const QByteArray &data)
{
    const qsizetype newline = data.indexOf('\n');
    return newline > 0 && data.at(newline - 1) == '\r' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// Cuts at most `length` characters without splitting a surrogate pair.
QString leftChars(const QString &text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

} // namespace

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<QByteArray> data = readAll(path_);
    if (!data)
        return defaultValue;
    const Location found = locate(*data, splitLines(*data), section, key);
    if (!found.key)
        return defaultValue;
    return leftChars(found.value, maxValueLength);
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value) const
{
    if (!isStorable(section, key, value))
        return false;
    QByteArray data;
    if (QFile::exists(path_)) {
        // A file that cannot be read must not be replaced by a fresh one.
        std::optional<QByteArray> old = readAll(path_);
        if (!old)
            return false;
        data = std::move(*old);
    }

    const QByteArray lineBreak = lineBreakOf(data);
    const QByteArray keyLine = key.trimmed().toUtf8() + '=' + value.toUtf8();
    const std::vector<Line> lines = splitLines(data);
    const Location found = locate(data, lines, section, key);
    if (found.key) {
        const Line &line = lines[*found.key];
        data.replace(line.begin, line.end - line.begin, keyLine);
    } else if (found.section) {
        const Line &after = lines[found.lastKey];
        if (data.at(after.next - 1) != '\n') // the file's last line, without a line break
            data.insert(after.next, lineBreak + keyLine);
        else
            data.insert(after.next, keyLine + lineBreak);
    } else {
        if (!data.isEmpty() && !data.endsWith('\n'))
            data += lineBreak;
        data += '[' + section.trimmed().toUtf8() + ']' + lineBreak + keyLine + lineBreak;
    }

    try {
        writeWholeFile(path_, data, /*directWriteFallback=*/true);
    } catch (const EInOutError &) {
        // The profile call reports a refused write by its result only.
        return false;
    }
    return true;
}

bool IniFile::isStorable(const QString &section, const QString &key, const QString &value)
{
    const QString sectionName = section.trimmed();
    const QString keyName = key.trimmed();
    return !sectionName.isEmpty() && !keyName.isEmpty() && !hasLineBreak(section) && !hasLineBreak(key) &&
           !hasLineBreak(value) && !sectionName.contains(QLatin1Char(']')) &&
           !keyName.contains(QLatin1Char('=')) && !keyName.startsWith(QLatin1Char('[')) &&
           !keyName.startsWith(QLatin1Char(';'));
}
