#pragma once

#include <QFont>
#include <QRgb>
#include <QString>
#include <QTextCharFormat>

#include <optional>

// A complete character format in the terms of the notes file: a face with
// its character set, a size in half points, a colour and four styles. The
// notes control's default format and the font dialog's own font are of this
// kind; text in the control carries only the properties of its own, as a
// QTextCharFormat, and shows the default format for the rest.
struct CharFormat {
    // The Windows character set numbers the notes file names (\fcharset):
    // 0 the ANSI set, 1 "the default set".
    static constexpr int kAnsiCharset = 0;
    static constexpr int kDefaultCharset = 1;
    // Where a QTextCharFormat keeps the character set, which Qt has no
    // property for.
    static constexpr int kCharsetProperty = QTextFormat::UserProperty + 1;

    QString face;
    int charset = kDefaultCharset;
    int halfPoints = 24;
    std::optional<QRgb> colour; // nothing: the automatic text colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const CharFormat &, const CharFormat &) = default;

    // `own` completed from `defaults` where it has no property of its own.
    [[nodiscard]] static CharFormat resolved(const QTextCharFormat &own, const CharFormat &defaults);
    // The properties of this format that differ from `defaults`; all of them
    // without defaults (an automatic colour is never a property of its own).
    [[nodiscard]] QTextCharFormat ownFormat(const CharFormat *defaults) const;
    // Only the properties the notes keep: face, character set, size, colour
    // and the four styles. Links, backgrounds, images and the like go.
    [[nodiscard]] static QTextCharFormat kept(const QTextCharFormat &format);

    // The font this format shows in, colour and character set aside.
    [[nodiscard]] QFont font() const;
    [[nodiscard]] int pointSize() const { return halfPoints / 2; }
};
