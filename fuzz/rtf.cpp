// The RTF reader on any bytes, and writer-then-reader round trips: a
// document read from the input, and one built from the input, come back
// from their written RTF unchanged.

#include "notes/rtf/richtext.h"
#include "notes/rtf/rtfreader.h"
#include "notes/rtf/rtfwriter.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

namespace {

void roundTrip(const RichText &text)
{
    const std::optional<RichText> back = RtfReader::read(RtfWriter::write(text));
    if (!back || back->plainText() != text.plainText())
        std::abort();
}

// Runs of text in formats the bytes choose: each byte below 8 switches the
// format's bold, italic, underline and strike-out, others are characters.
RichText built(const std::uint8_t *data, std::size_t size)
{
    RichText text;
    QTextCharFormat format;
    QString run;
    const QString characters = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QChar c : characters) {
        if (c.unicode() < 8) {
            text.append(run, format);
            run.clear();
            format.setFontWeight(c.unicode() & 1 ? QFont::Bold : QFont::Normal);
            format.setFontItalic(c.unicode() & 2);
            format.setFontUnderline(c.unicode() & 4);
        } else if (c.unicode() == '\n') {
            run += QChar::ParagraphSeparator;
        } else if (c.isPrint() || c.isSurrogate() || c == QChar::LineSeparator) {
            run += c;
        }
    }
    text.append(run, format);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<RichText> read =
        RtfReader::read(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (read)
        roundTrip(*read);
    roundTrip(built(data, size));
    return 0;
}
