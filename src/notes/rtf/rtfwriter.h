#pragma once

#include "notes/rtf/richtext.h"

#include <QByteArray>

// Writes rich text as an RTF 1 document in the manner of a rich edit
// control: "{\rtf1\ansi\ansicpg1252\deff0", the font table (font 0 is the
// default format's face), the colour table, the default character format
// as {\*\defchp ...}, then the paragraphs, each ended by \par, with every
// change of format written as \plain and the whole format (\fN \fsN \cfN
// \b \i \ul \strike). Every font names a character set a reader can map to
// a code page: the default set, and sets without a code page, are written
// as the ANSI set of the document's code page 1252 (\fcharset0). Characters
// outside ASCII become \'hh in the code page of their font's character set
// where it holds them, else \uN?. An empty text still makes a complete
// document.
class RtfWriter {
public:
    [[nodiscard]] static QByteArray write(const RichText &text);
};
