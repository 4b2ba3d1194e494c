#pragma once

#include <QByteArrayView>

#include <optional>
#include <string_view>

// The vocabulary of the RTF reader: the control words it acts on, and the
// character classes of the RTF syntax.
namespace rtf {

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

// What a control word does; null for a word the reader ignores.
[[nodiscard]] const WordInfo *findWord(std::string_view name);

// A control word's name and numeric parameter, as written after "\".
struct ControlWord {
    std::string_view name;
    std::optional<int> parameter;
};

// Reads the control word whose name starts at `pos` (past its "\"), and
// the blank that ends it; `pos` moves past it. Nothing for a name longer
// than 32 letters or a parameter of more than 10 digits (the input is then
// no rich text). Parameters beyond int are cut to its range.
[[nodiscard]] std::optional<ControlWord> readControlWord(QByteArrayView in, qsizetype &pos);

// The document code page a word sets (\ansicpgN, \ansi, \mac, \pc, \pca);
// nothing for any other word.
[[nodiscard]] std::optional<int> documentCodePage(Word word, std::optional<int> parameter);

[[nodiscard]] bool isLetter(char c);
[[nodiscard]] bool isDigit(char c);

} // namespace rtf
