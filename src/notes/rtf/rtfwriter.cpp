#include "notes/rtf/rtfwriter.h"

#include "notes/rtf/codepage.h"

#include <QList>

#include <utility>
#include <vector>

namespace {

// The font and colour tables, in the order of first use.
class Tables {
public:
    int font(const CharFormat &format)
    {
        for (qsizetype i = 0; i < fonts_.size(); ++i)
            if (fonts_[i].face == format.face && fonts_[i].charset == format.charset)
                return int(i);
        fonts_.append({format.face, format.charset});
        return int(fonts_.size() - 1);
    }
    // Index 0 is the automatic colour.
    int colour(const CharFormat &format)
    {
        if (!format.colour)
            return 0;
        const qsizetype at = colours_.indexOf(*format.colour);
        if (at >= 0)
            return int(at + 1);
        colours_.append(*format.colour);
        return int(colours_.size());
    }
    void writeTo(QByteArray &out) const;

private:
    struct Font {
        QString face;
        int charset;
    };
    QList<Font> fonts_;
    QList<QRgb> colours_;
};

bool usesWesternBytes(int charset)
{
    return CodePage::ofCharset(charset) == 0;
}

void appendNumber(QByteArray &out, const char *word, int value)
{
    out += word;
    out += QByteArray::number(value);
}

// One UTF-16 unit outside printable ASCII; a character beyond the BMP goes
// as its two surrogates, each as \uN.
void appendEscaped(QByteArray &out, char16_t c, bool westernBytes)
{
    // Other code pages may read even a control byte as another character.
    const int byte = westernBytes ? CodePage::westernByte(c) : -1;
    if (byte >= 0) {
        static constexpr char kHex[] = "0123456789abcdef";
        out += "\\'";
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
        return;
    }
    appendNumber(out, "\\u", c < 0x8000 ? int(c) : int(c) - 0x10000);
    out += '?';
}

// In the font table a ";" ends the name, so there it goes as \'3b.
void appendText(QByteArray &out, QStringView text, bool westernBytes, bool inFontTable = false)
{
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == ';' && inFontTable) {
            out += "\\'3b";
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += char(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == QChar::LineSeparator) {
            out += "\\line ";
        } else if (c == QChar::ParagraphSeparator) {
            out += "\\par\r\n";
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else {
            appendEscaped(out, c, westernBytes);
        }
    }
}

void Tables::writeTo(QByteArray &out) const
{
    out += "{\\fonttbl";
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        appendNumber(out, "{\\f", int(i));
        appendNumber(out, "\\fnil\\fcharset", fonts_[i].charset);
        out += ' ';
        appendText(out, fonts_[i].face, usesWesternBytes(fonts_[i].charset), true);
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (const QRgb rgb : colours_) {
        appendNumber(out, "\\red", qRed(rgb));
        appendNumber(out, "\\green", qGreen(rgb));
        appendNumber(out, "\\blue", qBlue(rgb));
        out += ';';
    }
    out += "}\r\n";
}

void appendFormat(QByteArray &out, Tables &tables, const CharFormat &format)
{
    appendNumber(out, "\\f", tables.font(format));
    appendNumber(out, "\\fs", format.halfPoints);
    appendNumber(out, "\\cf", tables.colour(format));
    if (format.bold)
        out += "\\b";
    if (format.italic)
        out += "\\i";
    if (format.underline)
        out += "\\ul";
    if (format.strikeOut)
        out += "\\strike";
}

// Texts use a few formats over and over: each is completed once.
class ResolvedFormats {
public:
    explicit ResolvedFormats(const CharFormat &defaults) : defaults_(defaults) { known_.reserve(kLimit); }

    const CharFormat &of(const QTextCharFormat &own)
    {
        for (const auto &[format, resolved] : known_)
            if (format == own)
                return resolved;
        // Bounded, so a text of many formats stays linear.
        if (known_.size() == kLimit)
            known_.pop_back();
        known_.emplace_back(own, CharFormat::resolved(own, defaults_));
        return known_.back().second;
    }

private:
    static constexpr std::size_t kLimit = 16;
    const CharFormat &defaults_;
    std::vector<std::pair<QTextCharFormat, CharFormat>> known_;
};

} // namespace

QByteArray RtfWriter::write(const RichText &text)
{
    Tables tables;
    QByteArray defaultPart;
    const CharFormat defaults = text.defaultFormat.value_or(CharFormat{});
    if (text.defaultFormat) {
        defaultPart = "{\\*\\defchp";
        appendFormat(defaultPart, tables, defaults);
        defaultPart += "}\r\n";
    }

    QByteArray body = "\\pard";
    body.reserve(text.runs.size() * 16);
    std::optional<CharFormat> current;
    qsizetype length = 0;
    ResolvedFormats formats(defaults);
    for (const TextRun &run : text.runs) {
        const CharFormat &format = formats.of(run.format);
        if (format != current) {
            body += "\\plain";
            appendFormat(body, tables, format);
            body += ' ';
            current = format;
        }
        appendText(body, run.text, usesWesternBytes(format.charset));
        length += run.text.size();
    }
    // Every paragraph ends with \par, the last one included; an empty text
    // has no paragraph to end.
    if (length > 0)
        body += "\\par\r\n";

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0";
    out.reserve(body.size() + 512);
    tables.writeTo(out);
    out += defaultPart;
    out += body;
    out += '}';
    return out;
}
