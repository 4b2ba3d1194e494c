#include "notes/rtf/rtfwords.h"

#include "notes/rtf/codepage.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace rtf {

namespace {

const std::unordered_map<std::string_view, WordInfo> &words()
{
    static const std::unordered_map<std::string_view, WordInfo> table = {
        {"par", {Word::Par}},
        {"sect", {Word::Par}},
        {"page", {Word::Par}},
        {"row", {Word::Par}},
        {"line", {Word::Line}},
        {"tab", {Word::Tab}},
        {"cell", {Word::Cell}},
        {"plain", {Word::Plain}},
        {"b", {Word::Bold}},
        {"i", {Word::Italic}},
        {"ul", {Word::Underline}},
        {"uld", {Word::Underline}},
        {"uldb", {Word::Underline}},
        {"ulw", {Word::Underline}},
        {"ulth", {Word::Underline}},
        {"ulwave", {Word::Underline}},
        {"uldash", {Word::Underline}},
        {"ulnone", {Word::UnderlineNone}},
        {"strike", {Word::Strike}},
        {"striked", {Word::Strike}},
        {"f", {Word::Font}},
        {"fs", {Word::FontSize}},
        {"cf", {Word::Colour}},
        {"uc", {Word::UnicodeSkip}},
        {"u", {Word::Unicode}},
        {"bin", {Word::Binary}},
        {"ansicpg", {Word::CodePage}},
        {"ansi", {Word::Ansi}},
        {"mac", {Word::Mac}},
        {"pc", {Word::Pc}},
        {"pca", {Word::Pca}},
        {"deff", {Word::DefaultFont}},
        {"fcharset", {Word::Charset}},
        {"red", {Word::Red}},
        {"green", {Word::Green}},
        {"blue", {Word::Blue}},
        {"fonttbl", {Word::FontTable}},
        {"colortbl", {Word::ColourTable}},
        {"defchp", {Word::DefaultFormat}},
        {"emdash", {Word::Special, 0x2014}},
        {"endash", {Word::Special, 0x2013}},
        {"emspace", {Word::Special, 0x2003}},
        {"enspace", {Word::Special, 0x2002}},
        {"qmspace", {Word::Special, 0x2005}},
        {"bullet", {Word::Special, 0x2022}},
        {"lquote", {Word::Special, 0x2018}},
        {"rquote", {Word::Special, 0x2019}},
        {"ldblquote", {Word::Special, 0x201C}},
        {"rdblquote", {Word::Special, 0x201D}},
        {"zwj", {Word::Special, 0x200D}},
        {"zwnj", {Word::Special, 0x200C}},
        {"ltrmark", {Word::Special, 0x200E}},
        {"rtlmark", {Word::Special, 0x200F}},
        // Destinations whose content is not text of the document.
        {"info", {Word::SkippedDestination}},
        {"stylesheet", {Word::SkippedDestination}},
        {"pict", {Word::SkippedDestination}},
        {"object", {Word::SkippedDestination}},
        {"header", {Word::SkippedDestination}},
        {"headerl", {Word::SkippedDestination}},
        {"headerr", {Word::SkippedDestination}},
        {"headerf", {Word::SkippedDestination}},
        {"footer", {Word::SkippedDestination}},
        {"footerl", {Word::SkippedDestination}},
        {"footerr", {Word::SkippedDestination}},
        {"footerf", {Word::SkippedDestination}},
        {"footnote", {Word::SkippedDestination}},
        {"annotation", {Word::SkippedDestination}},
        {"fldinst", {Word::SkippedDestination}},
        {"listtable", {Word::SkippedDestination}},
        {"listoverridetable", {Word::SkippedDestination}},
        {"revtbl", {Word::SkippedDestination}},
        {"rsidtbl", {Word::SkippedDestination}},
        {"filetbl", {Word::SkippedDestination}},
        {"xmlnstbl", {Word::SkippedDestination}},
        {"generator", {Word::SkippedDestination}},
        {"themedata", {Word::SkippedDestination}},
        {"colorschememapping", {Word::SkippedDestination}},
        {"datastore", {Word::SkippedDestination}},
        {"latentstyles", {Word::SkippedDestination}},
        {"pgdsctbl", {Word::SkippedDestination}},
        {"bkmkstart", {Word::SkippedDestination}},
        {"bkmkend", {Word::SkippedDestination}},
        {"xe", {Word::SkippedDestination}},
        {"tc", {Word::SkippedDestination}},
        {"txe", {Word::SkippedDestination}}};
    return table;
}

} // namespace

const WordInfo *findWord(std::string_view name)
{
    const auto found = words().find(name);
    return found != words().end() ? &found->second : nullptr;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<ControlWord> readControlWord(QByteArrayView in, qsizetype &pos)
{
    constexpr qsizetype kMaxWordLength = 32;
    constexpr qsizetype kMaxDigits = 10;
    const qsizetype start = pos;
    while (pos < in.size() && isLetter(in[pos]))
        ++pos;
    if (pos - start > kMaxWordLength)
        return std::nullopt;
    ControlWord word{std::string_view(in.data() + start, std::size_t(pos - start)), std::nullopt};

    const bool negative = pos + 1 < in.size() && in[pos] == '-' && isDigit(in[pos + 1]);
    if (negative || (pos < in.size() && isDigit(in[pos]))) {
        pos += negative ? 1 : 0;
        const qsizetype digits = pos;
        qint64 value = 0;
        while (pos < in.size() && isDigit(in[pos])) {
            if (pos - digits == kMaxDigits)
                return std::nullopt;
            value = value * 10 + (in[pos++] - '0');
        }
        value = negative ? -value : value;
        word.parameter = int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
    }
    if (pos < in.size() && in[pos] == ' ')
        ++pos;
    return word;
}

std::optional<int> documentCodePage(Word word, std::optional<int> parameter)
{
    switch (word) {
    case Word::CodePage:
        return parameter.value_or(CodePage::kWestern);
    case Word::Ansi:
        return CodePage::kWestern;
    case Word::Mac:
        return 10000;
    case Word::Pc:
        return 437;
    case Word::Pca:
        return 850;
    default:
        return std::nullopt;
    }
}

} // namespace rtf
