#include "notes/rtfreader.h"

#include "notes/codepage.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

enum class Destination : quint8 { Body, FontTable, ColourTable, DefaultFormat, Skipped };

// The character properties of a group, as numbers of the document's tables.
struct CharState {
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = 24;
    int colour = 0; // 0: the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const CharState &, const CharState &) = default;
};

struct GroupState {
    Destination destination = Destination::Body;
    int unicodeSkip = 1;
    CharState chars;
};

struct RawRun {
    QString text;
    CharState format;
};

struct FontEntry {
    QString face;
    int charset = CharFormat::kDefaultCharset;
};

enum class Word {
    Par,
    Line,
    Tab,
    Cell,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Font,
    FontSize,
    Colour,
    UnicodeSkip,
    Unicode,
    Binary,
    CodePage,
    Ansi,
    Mac,
    Pc,
    Pca,
    DefaultFont,
    Charset,
    Red,
    Green,
    Blue,
    FontTable,
    ColourTable,
    DefaultFormat,
    SkippedDestination,
    Special
};

struct WordInfo {
    Word word;
    char16_t character = 0; // for Word::Special
};

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

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Parser {
public:
    explicit Parser(QByteArrayView in) : in_(in) {}

    std::optional<RichText> parse();

private:
    static constexpr qsizetype kMaxWordLength = 32;
    static constexpr qsizetype kMaxDigits = 10;

    [[nodiscard]] bool openGroup();
    void closeGroup();
    [[nodiscard]] bool control();
    [[nodiscard]] bool symbol(char c);
    [[nodiscard]] bool word(std::string_view name, std::optional<int> parameter);
    [[nodiscard]] bool startsDestination(const WordInfo *info, bool ignorable);
    void formatWord(Word word, std::optional<int> parameter, char16_t character);
    void tableWord(Word word, std::optional<int> parameter);
    void unicode(Word word, std::optional<int> parameter);
    void text();
    void byte(char b);
    void append(QStringView text);
    void flushBytes();
    [[nodiscard]] bool skipsOne();
    [[nodiscard]] int codePage() const;
    [[nodiscard]] CodePage &decoder(int number);
    void commitFont();
    void commitColour();
    [[nodiscard]] CharState plainState() const;
    [[nodiscard]] CharFormat resolved(const CharState &state) const;
    [[nodiscard]] std::optional<RichText> finish();

    GroupState &state() { return stack_.back(); }

    QByteArrayView in_;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_;
    bool groupStart_ = false;
    bool ignorable_ = false;
    int skip_ = 0; // characters still to skip after \uN

    int documentCodePage_ = CodePage::kWestern;
    int defaultFont_ = 0;
    QHash<int, FontEntry> fonts_;
    std::optional<int> entryNumber_;
    FontEntry entry_;
    std::vector<std::optional<QRgb>> colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourSeen_ = false;
    std::optional<CharState> defaultFormat_;

    QByteArray pendingBytes_;
    int pendingCodePage_ = 0;
    std::vector<std::pair<int, CodePage>> decoders_; // by the number asked for
    std::vector<RawRun> runs_;
};

std::optional<RichText> Parser::parse()
{
    if (!in_.startsWith("{\\rtf"))
        return std::nullopt;
    while (pos_ < in_.size()) {
        switch (in_[pos_]) {
        case '{':
            if (!openGroup())
                return std::nullopt;
            break;
        case '}':
            closeGroup();
            if (stack_.empty())
                return finish();
            break;
        case '\\':
            if (!control())
                return std::nullopt;
            break;
        case '\r':
        case '\n':
        case '\0':
            ++pos_;
            break;
        default:
            text();
        }
    }
    return std::nullopt; // the document's group never closed
}

bool Parser::openGroup()
{
    flushBytes();
    if (stack_.size() >= std::size_t(RtfReader::kMaxGroupDepth))
        return false;
    stack_.push_back(stack_.empty() ? GroupState{} : stack_.back());
    groupStart_ = true;
    ignorable_ = false;
    skip_ = 0;
    ++pos_;
    return true;
}

void Parser::closeGroup()
{
    flushBytes();
    const GroupState closed = stack_.back();
    if (closed.destination == Destination::FontTable)
        commitFont();
    if (closed.destination == Destination::DefaultFormat &&
        (stack_.size() < 2 || stack_[stack_.size() - 2].destination != Destination::DefaultFormat))
        defaultFormat_ = closed.chars;
    stack_.pop_back();
    groupStart_ = false;
    ignorable_ = false;
    skip_ = 0;
    ++pos_;
}

bool Parser::control()
{
    ++pos_;
    if (pos_ >= in_.size())
        return false;
    if (!isLetter(in_[pos_]))
        return symbol(in_[pos_++]);

    const qsizetype start = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_]))
        ++pos_;
    if (pos_ - start > kMaxWordLength)
        return false;
    const std::string_view name(in_.data() + start, std::size_t(pos_ - start));

    std::optional<int> parameter;
    const bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1]);
    if (negative || (pos_ < in_.size() && isDigit(in_[pos_]))) {
        pos_ += negative ? 1 : 0;
        const qsizetype digits = pos_;
        qint64 value = 0;
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            if (pos_ - digits == kMaxDigits)
                return false;
            value = value * 10 + (in_[pos_++] - '0');
        }
        value = negative ? -value : value;
        parameter = int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
    }
    if (pos_ < in_.size() && in_[pos_] == ' ')
        ++pos_;
    return word(name, parameter);
}

bool Parser::symbol(char c)
{
    if (c == '*') {
        ignorable_ = true;
        return true;
    }
    if (c == '\'') {
        if (pos_ + 2 > in_.size())
            return false;
        const int high = hexValue(in_[pos_]);
        const int low = hexValue(in_[pos_ + 1]);
        if (high < 0 || low < 0)
            return false;
        pos_ += 2;
        groupStart_ = false;
        byte(char(high * 16 + low));
        return true;
    }
    flushBytes();
    groupStart_ = false;
    if (skipsOne() || state().destination == Destination::Skipped)
        return true;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        append(QStringView(u"\\{}").mid(c == '\\' ? 0 : c == '{' ? 1 : 2, 1));
        break;
    case '~':
        append(u"\u00A0");
        break;
    case '_':
        append(u"\u2011");
        break;
    case '\r':
    case '\n':
        if (state().destination == Destination::Body)
            append(u"\u2029");
        break;
    default:
        break; // \- optional hyphen, \| and \: index marks
    }
    return true;
}

bool Parser::word(std::string_view name, std::optional<int> parameter)
{
    flushBytes();
    const bool atGroupStart = std::exchange(groupStart_, false);
    const bool ignorable = std::exchange(ignorable_, false);
    const auto found = words().find(name);
    const WordInfo *info = found != words().end() ? &found->second : nullptr;

    if (info != nullptr && info->word == Word::Binary) {
        const qint64 count = std::max(0, parameter.value_or(0));
        if (count > in_.size() - pos_)
            return false;
        pos_ += count;
        return true;
    }
    if (state().destination == Destination::Skipped || skipsOne())
        return true;
    if (atGroupStart && startsDestination(info, ignorable))
        return true;
    // An ignorable word anywhere but at a group's start, or one we do not
    // know: nothing to do.
    if (ignorable || info == nullptr)
        return true;
    if (info->word == Word::Unicode || info->word == Word::UnicodeSkip) {
        unicode(info->word, parameter);
        return true;
    }
    switch (state().destination) {
    case Destination::Body:
    case Destination::DefaultFormat:
        formatWord(info->word, parameter, info->character);
        break;
    case Destination::FontTable:
    case Destination::ColourTable:
        tableWord(info->word, parameter);
        break;
    case Destination::Skipped:
        break;
    }
    return true;
}

bool Parser::startsDestination(const WordInfo *info, bool ignorable)
{
    GroupState &group = state();
    const Word word = info != nullptr ? info->word : Word::Special;
    if (word == Word::FontTable) {
        group.destination = Destination::FontTable;
    } else if (word == Word::ColourTable) {
        group.destination = Destination::ColourTable;
    } else if (word == Word::DefaultFormat) {
        group.destination = Destination::DefaultFormat;
        group.chars = CharState{};
    } else if (word == Word::SkippedDestination || ignorable) {
        group.destination = Destination::Skipped;
    } else {
        return false;
    }
    return true;
}

void Parser::formatWord(Word word, std::optional<int> parameter, char16_t character)
{
    GroupState &group = state();
    CharState &chars = group.chars;
    const bool on = parameter.value_or(1) != 0;
    const bool body = group.destination == Destination::Body;
    switch (word) {
    case Word::Par:
        if (body)
            append(u"\u2029");
        break;
    case Word::Line:
        if (body)
            append(u"\u2028");
        break;
    case Word::Tab:
    case Word::Cell:
        if (body)
            append(u"\t");
        break;
    case Word::Special:
        if (body)
            append(QStringView(&character, 1));
        break;
    case Word::Plain:
        chars = plainState();
        break;
    case Word::Bold:
        chars.bold = on;
        break;
    case Word::Italic:
        chars.italic = on;
        break;
    case Word::Underline:
        chars.underline = on;
        break;
    case Word::UnderlineNone:
        chars.underline = false;
        break;
    case Word::Strike:
        chars.strikeOut = on;
        break;
    case Word::Font:
        chars.font = parameter.value_or(0);
        break;
    case Word::FontSize:
        chars.halfPoints = parameter.value_or(0) > 0 ? *parameter : 24;
        break;
    case Word::Colour:
        chars.colour = std::max(0, parameter.value_or(0));
        break;
    case Word::CodePage:
        documentCodePage_ = parameter.value_or(CodePage::kWestern);
        break;
    case Word::Ansi:
        documentCodePage_ = CodePage::kWestern;
        break;
    case Word::Mac:
        documentCodePage_ = 10000;
        break;
    case Word::Pc:
        documentCodePage_ = 437;
        break;
    case Word::Pca:
        documentCodePage_ = 850;
        break;
    case Word::DefaultFont:
        defaultFont_ = parameter.value_or(0);
        break;
    default:
        break;
    }
}

// \uN takes one UTF-16 unit, in the text or in a font name; the next
// \ucN characters stand in for it in readers that do not know \u.
void Parser::unicode(Word word, std::optional<int> parameter)
{
    if (word == Word::UnicodeSkip) {
        state().unicodeSkip = std::clamp(parameter.value_or(1), 0, 16);
        return;
    }
    const int unit = parameter.value_or(0);
    const char16_t c = char16_t(unit < 0 ? unit + 0x10000 : unit);
    append(QStringView(&c, 1));
    skip_ = state().unicodeSkip;
}

void Parser::tableWord(Word word, std::optional<int> parameter)
{
    const int value = parameter.value_or(0);
    switch (word) {
    case Word::Font:
        commitFont();
        entryNumber_ = value;
        entry_ = FontEntry{};
        break;
    case Word::Charset:
        entry_.charset = value;
        break;
    case Word::Red:
        red_ = std::clamp(value, 0, 255);
        colourSeen_ = true;
        break;
    case Word::Green:
        green_ = std::clamp(value, 0, 255);
        colourSeen_ = true;
        break;
    case Word::Blue:
        blue_ = std::clamp(value, 0, 255);
        colourSeen_ = true;
        break;
    default:
        break;
    }
}

// Plain text bytes of the current destination.
void Parser::text()
{
    groupStart_ = false;
    const Destination destination = state().destination;
    const char first = in_[pos_];
    // ASCII text goes in whole stretches, except where a double-byte code
    // page may use ASCII bytes as the second byte of a character.
    if (destination == Destination::Body && skip_ == 0 && uchar(first) < 0x80 &&
        !decoder(codePage()).isDoubleByte()) {
        flushBytes();
        const qsizetype start = pos_;
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0' || uchar(c) >= 0x80)
                break;
            ++pos_;
        }
        append(QString::fromLatin1(in_.data() + start, pos_ - start));
        return;
    }
    ++pos_;
    if (destination == Destination::FontTable && first == ';') {
        flushBytes();
        commitFont();
    } else if (destination == Destination::ColourTable && first == ';') {
        commitColour();
    } else if (destination == Destination::Body || destination == Destination::FontTable) {
        byte(first);
    }
}

void Parser::byte(char b)
{
    if (skipsOne())
        return;
    const int number = codePage();
    if (!pendingBytes_.isEmpty() && number != pendingCodePage_)
        flushBytes();
    pendingCodePage_ = number;
    pendingBytes_ += b;
}

void Parser::flushBytes()
{
    if (pendingBytes_.isEmpty())
        return;
    const QString decoded = decoder(pendingCodePage_).decode(pendingBytes_);
    pendingBytes_.clear();
    append(decoded);
}

bool Parser::skipsOne()
{
    if (skip_ == 0)
        return false;
    --skip_;
    return true;
}

void Parser::append(QStringView text)
{
    const GroupState &group = stack_.back();
    if (group.destination == Destination::FontTable) {
        entry_.face += text;
        return;
    }
    if (group.destination != Destination::Body)
        return;
    if (runs_.empty() || runs_.back().format != group.chars)
        runs_.push_back({QString(), group.chars});
    runs_.back().text += text;
}

int Parser::codePage() const
{
    int charset = CharFormat::kDefaultCharset;
    if (stack_.back().destination == Destination::FontTable) {
        charset = entry_.charset;
    } else {
        const int font = stack_.back().chars.font < 0 ? defaultFont_ : stack_.back().chars.font;
        charset = fonts_.value(font).charset;
    }
    const int number = CodePage::ofCharset(charset);
    return number != 0 ? number : documentCodePage_;
}

CodePage &Parser::decoder(int number)
{
    for (auto &[asked, page] : decoders_)
        if (asked == number)
            return page;
    decoders_.emplace_back(number, CodePage(number));
    return decoders_.back().second;
}

void Parser::commitFont()
{
    if (!entryNumber_)
        return;
    entry_.face = entry_.face.trimmed();
    fonts_.insert(*entryNumber_, entry_);
    entryNumber_.reset();
    entry_ = FontEntry{};
}

void Parser::commitColour()
{
    colours_.push_back(colourSeen_ ? std::optional<QRgb>(qRgb(red_, green_, blue_)) : std::nullopt);
    red_ = green_ = blue_ = 0;
    colourSeen_ = false;
}

// What \plain returns to: the document's default format where it names one.
CharState Parser::plainState() const
{
    return defaultFormat_.value_or(CharState{});
}

CharFormat Parser::resolved(const CharState &state) const
{
    CharFormat format;
    const int number = state.font < 0 ? defaultFont_ : state.font;
    const auto font = fonts_.constFind(number);
    if (font != fonts_.cend()) {
        format.face = font->face;
        format.charset = font->charset;
    }
    format.halfPoints = state.halfPoints;
    if (state.colour > 0 && std::size_t(state.colour) < colours_.size())
        format.colour = colours_[std::size_t(state.colour)];
    format.bold = state.bold;
    format.italic = state.italic;
    format.underline = state.underline;
    format.strikeOut = state.strikeOut;
    return format;
}

std::optional<RichText> Parser::finish()
{
    for (qsizetype i = pos_; i < in_.size(); ++i)
        if (!QChar::isSpace(uchar(in_[i])) && in_[i] != '\0')
            return std::nullopt;

    // The last paragraph's \par ends the text rather than starting an empty
    // paragraph.
    if (!runs_.empty() && runs_.back().text.endsWith(QChar::ParagraphSeparator)) {
        runs_.back().text.chop(1);
        if (runs_.back().text.isEmpty())
            runs_.pop_back();
    }

    RichText text;
    std::optional<CharFormat> defaults;
    if (defaultFormat_)
        defaults = resolved(*defaultFormat_);
    text.defaultFormat = defaults;
    for (const RawRun &run : runs_)
        text.append(run.text, resolved(run.format).ownFormat(defaults ? &*defaults : nullptr));
    return text;
}

} // namespace

std::optional<RichText> RtfReader::read(QByteArrayView rtf)
{
    return Parser(rtf).parse();
}
