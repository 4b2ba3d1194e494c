#include "notes/rtf/rtfreader.h"

#include "notes/rtf/codepage.h"
#include "platform/core/hexdigit.h"
#include "notes/rtf/rtftables.h"
#include "notes/rtf/rtfwords.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using rtf::CharState;
using rtf::isLetter;
using rtf::Word;
using rtf::WordInfo;

enum class Destination : quint8 { Body, FontTable, ColourTable, DefaultFormat, Skipped };

struct GroupState {
    Destination destination = Destination::Body;
    int unicodeSkip = 1;
    CharState chars;
};

struct RawRun {
    QString text;
    CharState format;
};

class Parser {
public:
    explicit Parser(QByteArrayView in) : in_(in) {}

    std::optional<RichText> parse();

private:
    [[nodiscard]] bool openGroup();
    void closeGroup();
    [[nodiscard]] bool control();
    [[nodiscard]] bool symbol(char c);
    [[nodiscard]] bool word(std::string_view name, std::optional<int> parameter);
    [[nodiscard]] bool startsDestination(const WordInfo *info, bool ignorable);
    void formatWord(Word word, std::optional<int> parameter, char16_t character);
    void unicode(Word word, std::optional<int> parameter);
    void text();
    void byte(char b);
    void append(QStringView text);
    void flushBytes();
    [[nodiscard]] bool skipsOne();
    [[nodiscard]] int codePage() const;
    [[nodiscard]] CodePage &decoder(int number);
    [[nodiscard]] CharState plainState() const;
    [[nodiscard]] std::optional<RichText> finish();

    GroupState &state() { return stack_.back(); }

    QByteArrayView in_;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_;
    bool groupStart_ = false;
    bool ignorable_ = false;
    int skip_ = 0; // characters still to skip after \uN

    int documentCodePage_ = CodePage::kWestern;
    rtf::Tables tables_;
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
        tables_.commitFont();
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

    const std::optional<rtf::ControlWord> control = rtf::readControlWord(in_, pos_);
    if (!control)
        return false;
    return word(control->name, control->parameter);
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
        const int high = hexDigitValue(in_[pos_]);
        const int low = hexDigitValue(in_[pos_ + 1]);
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
    const WordInfo *info = rtf::findWord(name);

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
        tables_.tableWord(info->word, parameter);
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
    const bool body = group.destination == Destination::Body;
    if (chars.apply(word, parameter))
        return;
    if (const std::optional<int> page = rtf::documentCodePage(word, parameter)) {
        documentCodePage_ = *page;
        return;
    }
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
    case Word::DefaultFont:
        tables_.setDefaultFont(parameter.value_or(0));
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
        tables_.commitFont();
    } else if (destination == Destination::ColourTable && first == ';') {
        tables_.commitColour();
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
        tables_.appendToFace(text);
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
    const int charset = stack_.back().destination == Destination::FontTable
                            ? tables_.entryCharset()
                            : tables_.charsetOf(stack_.back().chars.font);
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

// What \plain returns to: the document's default format where it names one.
CharState Parser::plainState() const
{
    return defaultFormat_.value_or(CharState{});
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
        defaults = tables_.resolved(*defaultFormat_);
    text.defaultFormat = defaults;
    for (const RawRun &run : runs_)
        text.append(run.text, tables_.resolved(run.format).ownFormat(defaults ? &*defaults : nullptr));
    return text;
}

} // namespace

std::optional<RichText> RtfReader::read(QByteArrayView rtf)
{
    return Parser(rtf).parse();
}
