#pragma once

#include "notes/rtf/richtext.h"

#include <QByteArrayView>

#include <optional>

// Reads an RTF document: everything RtfWriter writes, and the rich text of
// other programs. It knows the document's code page (\ansicpgN, \ansi,
// \mac, \pc, \pca) with \'hh in it or in a font's character set, \uN with
// \ucN skipping, \par, \line, \tab and a few special characters, \plain,
// \pard, \b \i \ul \strike \f \fs \cf, the font and colour tables and the
// default format {\*\defchp ...}. Other destinations ({\*...} and the known
// ones such as \info, \stylesheet, \pict) are skipped, \binN skips N bytes
// and any other control word is ignored.
//
// It works in one pass over the input with its own stack of groups, so its
// time is linear in the input's size and its depth is bounded by its own
// limit, not by the input.
class RtfReader {
public:
    // Groups nested deeper than this are refused.
    static constexpr int kMaxGroupDepth = 512;

    // The text of `rtf`, or nothing when it is not rich text: it does not
    // begin with "{\rtf", is truncated or unbalanced, nests groups deeper
    // than kMaxGroupDepth, or is followed by more than blanks.
    [[nodiscard]] static std::optional<RichText> read(QByteArrayView rtf);
};
