#include "notes/rtf/rtfwriter.h"

#include "notes/rtf/codepage.h"

#include <QList>

#include <deque>
#include <utility>
#include <vector>

namespace {

// The code page the document declares (\ansicpg1252) and its character set.
constexpr int kDocumentCodePage = CodePage::kWestern;
constexpr int kDocumentCharset = CharFormat::kAnsiCharset;
constexpr int kSymbolCharset = 2;

// The character set a font is written with. A reader cannot tell the code
// page of the default set (nor of one it does not know) and would lose
// their bytes, so these are written as the document's own set.
int writtenCharset(int charset)
{
    return CodePage::ofCharset(charset) != 0 || charset == kSymbolCharset ? charset : kDocumentCharset;
}

// The code pages the fonts' bytes are written in, each made once.
class Encoders {
public:
    // Nothing where every character outside ASCII goes as \uN: symbol fonts,
    // whose bytes name symbols, and code pages the toolkit cannot convert.
    CodePage *of(int charset)
    {
        const int number = charset == kDocumentCharset ? kDocumentCodePage : CodePage::ofCharset(charset);
        if (number == 0)
            return nullptr;
        for (CodePage &page : pages_)
            if (page.number() == number)
                return &page;
        CodePage &made = pages_.emplace_back(number);
        return made.number() == number ? &made : nullptr;
    }

private:
    std::deque<CodePage> pages_;
};

// The font and colour tables, in the order of first use.
class Tables {
public:
    // `format`'s font in the table, with its written character set.
    int font(const CharFormat &format)
    {
        const int charset = writtenCharset(format.charset);
        for (qsizetype i = 0; i < fonts_.size(); ++i)
            if (fonts_[i].face == format.face && fonts_[i].charset == charset)
                return int(i);
        fonts_.append({format.face, charset});
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
    void writeTo(QByteArray &out, Encoders &encoders) const;

private:
    struct Font {
        QString face;
        int charset;
    };
    QList<Font> fonts_;
    QList<QRgb> colours_;
};

void appendNumber(QByteArray &out, const char *word, int value)
{
    out += word;
    out += QByteArray::number(value);
}

// One UTF-16 unit outside printable ASCII, as the bytes of the font's code
// page (`page`) where it has them; a character beyond the BMP goes as its
// two surrogates, each as \uN.
void appendEscaped(QByteArray &out, char16_t c, CodePage *page)
{
    const QByteArray bytes = page != nullptr ? page->encode(c) : QByteArray();
    if (!bytes.isEmpty()) {
        static constexpr char kHex[] = "0123456789abcdef";
        for (const char byte : bytes) {
            out += "\\'";
            out += kHex[uchar(byte) >> 4];
            out += kHex[uchar(byte) & 15];
        }
        return;
    }
    appendNumber(out, "\\u", c < 0x8000 ? int(c) : int(c) - 0x10000);
    out += '?';
}

// In the font table a ";" ends the name, so there it goes as \'3b.
void appendText(QByteArray &out, QStringView text, CodePage *page, bool inFontTable = false)
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
            appendEscaped(out, c, page);
        }
    }
}

void Tables::writeTo(QByteArray &out, Encoders &encoders) const
{
    out += "{\\fonttbl";
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        appendNumber(out, "{\\f", int(i));
        appendNumber(out, "\\fnil\\fcharset", fonts_[i].charset);
        out += ' ';
        appendText(out, fonts_[i].face, encoders.of(fonts_[i].charset), true);
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
    Encoders encoders;
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
    CodePage *page = nullptr;
    qsizetype length = 0;
    ResolvedFormats formats(defaults);
    for (const TextRun &run : text.runs) {
        const CharFormat &format = formats.of(run.format);
        if (format != current) {
            body += "\\plain";
            appendFormat(body, tables, format);
            body += ' ';
            current = format;
            page = encoders.of(writtenCharset(format.charset));
        }
        appendText(body, run.text, page);
        length += run.text.size();
    }
    // Every paragraph ends with \par, the last one included; an empty text
    // has no paragraph to end.
    if (length > 0)
        body += "\\par\r\n";

    QByteArray out = "{\\rtf1\\ansi\\ansicpg" + QByteArray::number(kDocumentCodePage) + "\\deff0";
    out.reserve(body.size() + 512);
    tables.writeTo(out, encoders);
    out += defaultPart;
    out += body;
    out += '}';
    return out;
}
