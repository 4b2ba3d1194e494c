#pragma once

#include "notes/rtf/richtext.h"

#include <QByteArray>

// Writes rich text as an RTF 1 document in the manner of a rich edit
// control: "{\rtf1\ansi\ansicpg1252\deff0", the font table (font 0 is the
// default format's face), the colour table, the default character format
// as {\*\defchp ...}, then the paragraphs, each ended by \par, with every
// change of format written as \plain and the whole format (\fN \fsN \cfN
// \b \i \ul \strike). Characters outside ASCII become \'hh where code page
// 1252 holds them (in fonts of the default or ANSI character set), else
// \uN?. An empty text still makes a complete document.
class RtfWriter {
public:
    [[nodiscard]] static QByteArray write(const RichText &text);
};
