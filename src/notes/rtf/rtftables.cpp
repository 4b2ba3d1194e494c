#include "notes/rtf/rtftables.h"

#include <algorithm>

namespace rtf {

bool CharState::apply(Word word, std::optional<int> parameter)
{
    const bool on = parameter.value_or(1) != 0;
    switch (word) {
    case Word::Bold:
        bold = on;
        break;
    case Word::Italic:
        italic = on;
        break;
    case Word::Underline:
        underline = on;
        break;
    case Word::UnderlineNone:
        underline = false;
        break;
    case Word::Strike:
        strikeOut = on;
        break;
    case Word::Font:
        font = parameter.value_or(0);
        break;
    case Word::FontSize:
        halfPoints = parameter.value_or(0) > 0 ? *parameter : 24;
        break;
    case Word::Colour:
        colour = std::max(0, parameter.value_or(0));
        break;
    default:
        return false;
    }
    return true;
}

void Tables::tableWord(Word word, std::optional<int> parameter)
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

void Tables::commitFont()
{
    if (!entryNumber_)
        return;
    entry_.face = entry_.face.trimmed();
    fonts_.insert(*entryNumber_, entry_);
    entryNumber_.reset();
    entry_ = FontEntry{};
}

void Tables::commitColour()
{
    colours_.push_back(colourSeen_ ? std::optional<QRgb>(qRgb(red_, green_, blue_)) : std::nullopt);
    red_ = green_ = blue_ = 0;
    colourSeen_ = false;
}

int Tables::charsetOf(int font) const
{
    return fonts_.value(font < 0 ? defaultFont_ : font).charset;
}

CharFormat Tables::resolved(const CharState &state) const
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

} // namespace rtf
