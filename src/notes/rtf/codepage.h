#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

// A Windows code page, as rich text names it (\ansicpgN, or a font's
// \fcharsetN): decodes the bytes of its text and encodes characters. Code
// page 1252 is built in; the others come from the toolkit's converters,
// and one the toolkit does not know reads as 1252.
class CodePage {
public:
    static constexpr int kWestern = 1252;

    explicit CodePage(int number);

    [[nodiscard]] int number() const { return number_; }
    // Whether a character may take two bytes (the East Asian code pages).
    [[nodiscard]] bool isDoubleByte() const;
    [[nodiscard]] QString decode(QByteArrayView bytes);
    // The bytes that stand for `c`; none where the code page has no byte for
    // it. Outside 1252 control characters get none either: another code page
    // may read even a control byte as another character.
    [[nodiscard]] QByteArray encode(char16_t c);

    // The code page a font's character set implies; 0 for the sets that use
    // the document's own code page (ANSI, default, symbol) and unknown ones.
    [[nodiscard]] static int ofCharset(int charset);
    // The byte that stands for `c` in code page 1252, or -1 when it has none.
    [[nodiscard]] static int westernByte(char16_t c);
    [[nodiscard]] static char16_t westernChar(unsigned char byte);

private:
    int number_;
    QStringDecoder decoder_;
    QStringEncoder encoder_;
};
