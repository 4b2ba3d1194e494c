#pragma once

#include "notes/rtf/charformat.h"
#include "notes/rtf/rtfwords.h"

#include <QHash>
#include <QRgb>
#include <QString>

#include <optional>
#include <vector>

namespace rtf {

// The character properties of a group, as numbers of the document's tables.
struct CharState {
    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = 24;
    int colour = 0; // 0: the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    // Applies a character property word (\b \i \ul \ulnone \strike \f \fs
    // \cf); false for any other word.
    bool apply(Word word, std::optional<int> parameter);

    friend bool operator==(const CharState &, const CharState &) = default;
};

struct FontEntry {
    QString face;
    int charset = CharFormat::kDefaultCharset;
};

// The font and colour tables of an RTF document as they are read, and the
// formats their numbers stand for.
class Tables {
public:
    void setDefaultFont(int font) { defaultFont_ = font; }

    // A control word inside the font or colour table (\f, \fcharset, \red,
    // \green, \blue).
    void tableWord(Word word, std::optional<int> parameter);
    // Text inside a font table entry: its face name.
    void appendToFace(QStringView text) { entry_.face += text; }
    // The font entry or colour read so far is complete.
    void commitFont();
    void commitColour();

    // The character set of the font entry being read, and of font `font`
    // (-1: the default font).
    [[nodiscard]] int entryCharset() const { return entry_.charset; }
    [[nodiscard]] int charsetOf(int font) const;

    // The format `state` stands for, its numbers looked up in the tables.
    [[nodiscard]] CharFormat resolved(const CharState &state) const;

private:
    int defaultFont_ = 0;
    QHash<int, FontEntry> fonts_;
    std::optional<int> entryNumber_;
    FontEntry entry_;
    std::vector<std::optional<QRgb>> colours_;
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool colourSeen_ = false;
};

} // namespace rtf
