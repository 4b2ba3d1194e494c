#include "notes/rtf/rtfreader.h"
#include "notes/rtf/rtfwriter.h"
#include "support/testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(RichText)

namespace {

// The ANSI character set, as the notes file names the default one.
CharFormat notesDefault()
{
    CharFormat format;
    format.face = QStringLiteral("MS Sans Serif");
    format.charset = CharFormat::kAnsiCharset;
    format.halfPoints = 16;
    format.colour = qRgb(0, 0, 0);
    return format;
}

// Rich text with the notes' default format made of (text, own format) pairs.
RichText notes(std::initializer_list<TextRun> runs)
{
    RichText text;
    text.defaultFormat = notesDefault();
    for (const TextRun &run : runs)
        text.append(run.text, run.format);
    return text;
}

QTextCharFormat bold()
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    return format;
}

QTextCharFormat coloured(QRgb rgb)
{
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(rgb));
    return format;
}

// A face of its own, in the default character set unless `charset` names another.
QTextCharFormat face(const QString &name, double points, std::optional<int> charset = {})
{
    QTextCharFormat format;
    format.setFontFamilies({name});
    if (charset)
        format.setProperty(CharFormat::kCharsetProperty, *charset);
    format.setFontPointSize(points);
    return format;
}

// Only the styles that are on: one that is off is the default's.
QTextCharFormat styles(bool italic, bool underline, bool strikeOut)
{
    QTextCharFormat format;
    if (italic)
        format.setFontItalic(true);
    if (underline)
        format.setFontUnderline(true);
    if (strikeOut)
        format.setFontStrikeOut(true);
    return format;
}

// The format of `text`'s run that holds `part`, completed: text from other
// programs has every property of its own.
CharFormat formatOf(const RichText &text, const QString &part)
{
    for (const TextRun &run : text.runs)
        if (run.text.contains(part))
            return CharFormat::resolved(run.format, CharFormat{});
    return {};
}

QByteArray nested(int depth)
{
    return "{\\rtf1 " + QByteArray(depth - 1, '{') + "x" + QByteArray(depth, '}');
}

} // namespace

class RtfTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void emptyTextIsACompleteDocument();
    void fontsNameTheCharsetOfTheirBytes();
    void otherProgramsText_data();
    void otherProgramsText();
    void otherProgramsFormats();
    void notRichText_data();
    void notRichText();
};

void RtfTest::roundTrip_data()
{
    QTest::addColumn<RichText>("text");
    const QString para(QChar::ParagraphSeparator);
    const QString line(QChar::LineSeparator);

    QTest::newRow("ascii") << notes({{QStringLiteral("Hello, world."), {}}});
    QTest::newRow("paragraphs") << notes({{"one" + para + "two" + para + para + "four", {}}});
    QTest::newRow("empty last paragraph") << notes({{"one" + para, {}}});
    QTest::newRow("only paragraph breaks") << notes({{para + para, {}}});
    QTest::newRow("line break and tab") << notes({{"a" + line + "b\tc", {}}});
    QTest::newRow("rtf's own characters") << notes({{QStringLiteral("back\\slash {braces} \\par"), {}}});
    QTest::newRow("code page 1252") << notes({{QStringLiteral("café déjà € – “quoted” ÿ Ÿ"), {}}});
    QTest::newRow("beyond code page 1252") << notes({{QStringLiteral("Привет ★ 😀 \u0081"), {}}});
    QTest::newRow("control character") << notes({{QStringLiteral("a\u0001b\u007f"), {}}});
    QTest::newRow("styles") << notes({{QStringLiteral("plain "), {}},
                                      {QStringLiteral("bold"), bold()},
                                      {QStringLiteral("italic"), styles(true, false, false)},
                                      {QStringLiteral("underlined"), styles(false, true, false)},
                                      {QStringLiteral("struck"), styles(false, false, true)},
                                      {QStringLiteral("all"), styles(true, true, true)}});
    QTest::newRow("faces and sizes") << notes({{QStringLiteral("serif "), face("DejaVu Serif", 14)},
                                               {QStringLiteral("half "), face("DejaVu Sans", 9.5)},
                                               {QStringLiteral("serif again"), face("DejaVu Serif", 32)}});
    QTest::newRow("colours") << notes({{QStringLiteral("red "), coloured(qRgb(255, 0, 0))},
                                       {QStringLiteral("blue "), coloured(qRgb(0, 0, 255))},
                                       {QStringLiteral("red again"), coloured(qRgb(255, 0, 0))}});
    QTest::newRow("format across paragraphs") << notes({{"bold" + para + "still bold", bold()}});
    QTest::newRow("font of another character set")
        << notes({{QStringLiteral("Привет é"), face("Arial Cyr", 10, 204)}});
    QTest::newRow("control character, double-byte font")
        << notes({{QStringLiteral("a\u001ab"), face("MS Mincho", 10, 128)}});
    QTest::newRow("font name to escape") << notes({{QStringLiteral("x"), face("Odd; {Face}", 10)}});
    QTest::newRow("empty") << notes({});

    RichText otherDefault = notes({{QStringLiteral("in the default"), {}}, {QStringLiteral(" own"), bold()}});
    otherDefault.defaultFormat->face = QStringLiteral("DejaVu Sans Mono");
    otherDefault.defaultFormat->halfPoints = 24;
    otherDefault.defaultFormat->colour = qRgb(0, 128, 0);
    otherDefault.defaultFormat->italic = true;
    QTest::newRow("another default format") << otherDefault;
}

// What is written reads back unchanged, and is plain 7-bit text.
void RtfTest::roundTrip()
{
    QFETCH(RichText, text);
    const QByteArray rtf = RtfWriter::write(text);
    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl"), rtf.constData());
    for (const char c : rtf)
        QVERIFY2(uchar(c) < 0x80, rtf.constData());
    const std::optional<RichText> back = RtfReader::read(rtf);
    QVERIFY2(back.has_value(), rtf.constData());
    QCOMPARE(back->plainText(), text.plainText());
    QVERIFY2(*back == text, rtf.constData());
}

void RtfTest::emptyTextIsACompleteDocument()
{
    const QByteArray rtf = RtfWriter::write(notes({}));
    QCOMPARE(rtf, QByteArray(
                      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}}\r\n"
                      "{\\colortbl ;\\red0\\green0\\blue0;}\r\n"
                      "{\\*\\defchp\\f0\\fs16\\cf1}\r\n"
                      "\\pard}"));
}

// Other readers decode a font's bytes in the code page its character set
// names, and cannot for the default set.
void RtfTest::fontsNameTheCharsetOfTheirBytes()
{
    RichText text =
        notes({{QStringLiteral("Łódź ½ €"), {}}, {QStringLiteral("Пé"), face("Arial Cyr", 8, 204)}});
    text.defaultFormat->charset = CharFormat::kDefaultCharset;
    const QByteArray rtf = RtfWriter::write(text);
    QVERIFY2(
        rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}{\\f1\\fnil\\fcharset204 Arial Cyr;}}"),
        rtf.constData());
    QVERIFY2(rtf.contains("\\cf1 \\u321?\\'f3d\\u378? \\'bd \\'80\\plain"), rtf.constData());
    QVERIFY2(rtf.contains("\\cf1 \\'cf\\u233?\\par"), rtf.constData());
}

void RtfTest::otherProgramsText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    const QString para(QChar::ParagraphSeparator);

    QTest::newRow("word processor")
        << QByteArray(
               "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
               "Calibri;}{\\f1\\fswiss\\fcharset204 Arial;}}\r\n{\\*\\generator Riched20 10.0.19041}"
               "\\viewkind4\\uc1 \r\n\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 caf\\'e9 \\b bold\\b0"
               "\\par\r\n\\f1\\'cf\\'f0\\'e8\\par\r\n}\r\n")
        << "café bold" + para + QStringLiteral("При");
    QTest::newRow("unicode with fallback")
        << QByteArray("{\\rtf1 price \\u8364? 5}") << QStringLiteral("price € 5");
    QTest::newRow("two fallback characters")
        << QByteArray("{\\rtf1\\uc2 \\u8364\\'80\\'80x}") << QStringLiteral("€x");
    QTest::newRow("no fallback") << QByteArray("{\\rtf1\\uc0 \\u-10179\\u-8704 !}") << QStringLiteral("😀!");
    QTest::newRow("fallback ends at group")
        << QByteArray("{\\rtf1 {\\uc3\\u233 e}x}") << QStringLiteral("éx");
    QTest::newRow("line and tab") << QByteArray("{\\rtf1 a\\line b\\tab c}")
                                  << "a" + QString(QChar::LineSeparator) + "b\tc";
    QTest::newRow("document code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'d0}") << QStringLiteral("ПР");
    QTest::newRow("double-byte font")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0 \\'82\\'a0\\'82\\'a2}")
        << QStringLiteral("あい");
    QTest::newRow("skipped destinations") << QByteArray("{\\rtf1{\\info{\\title Secret}}{\\*\\unknown "
                                                        "{nested} text}{\\stylesheet{\\s0 Normal;}}shown}")
                                          << QStringLiteral("shown");
    QTest::newRow("binary data with braces")
        << QByteArray("{\\rtf1 a{\\*\\blipuid x}{\\pict\\bin4 }}{{}b}") << QStringLiteral("ab");
    QTest::newRow("unknown words ignored")
        << QByteArray("{\\rtf1\\foo12\\barbaz x\\qux-3 y}") << QStringLiteral("xy");
    QTest::newRow("special characters") << QByteArray("{\\rtf1 \\ldblquote a\\rdblquote\\~\\emdash\\_b\\-c}")
                                        << QStringLiteral("“a”\u00A0—\u2011bc");
    QTest::newRow("field result kept")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}")
        << QStringLiteral("link");
    QTest::newRow("escaped symbols") << QByteArray("{\\rtf1 \\\\ \\{ \\}}") << QStringLiteral("\\ { }");
    QTest::newRow("raw bytes in code page") << QByteArray("{\\rtf1\\ansi caf\xe9}") << QStringLiteral("café");
    QTest::newRow("line ends ignored") << QByteArray("{\\rtf1 a\r\nb\\\r\nc}") << "ab" + para + "c";
}

void RtfTest::otherProgramsText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    const std::optional<RichText> read = RtfReader::read(rtf);
    QVERIFY(read.has_value());
    QCOMPARE(read->plainText(), text);
}

// Text of other programs has no default format: every run has the whole
// format of its own.
void RtfTest::otherProgramsFormats()
{
    const std::optional<RichText> read = RtfReader::read(
        "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset204 "
        "Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\pard\\plain default "
        "\\f0\\fs28\\b\\i\\ul\\strike\\cf1 "
        "all\\plain  reset {\\b grouped} after}");
    QVERIFY(read.has_value());
    QVERIFY(!read->defaultFormat);

    const CharFormat initial = formatOf(*read, QStringLiteral("default"));
    QCOMPARE(initial.face, QStringLiteral("Arial"));
    QCOMPARE(initial.charset, 204);
    QCOMPARE(initial.halfPoints, 24);
    QVERIFY(!initial.colour && !initial.bold && !initial.italic && !initial.underline && !initial.strikeOut);

    const CharFormat all = formatOf(*read, QStringLiteral("all"));
    QCOMPARE(all.face, QStringLiteral("Times New Roman"));
    QCOMPARE(all.halfPoints, 28);
    QCOMPARE(all.colour, std::optional<QRgb>(qRgb(255, 0, 0)));
    QVERIFY(all.bold && all.italic && all.underline && all.strikeOut);

    QCOMPARE(formatOf(*read, QStringLiteral("reset")), initial);
    QVERIFY(formatOf(*read, QStringLiteral("grouped")).bold);
    QCOMPARE(formatOf(*read, QStringLiteral("after")), initial);
}

void RtfTest::notRichText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("Dear diary");
    QTest::newRow("rtf later in the file") << QByteArray(" {\\rtf1 x}");
    QTest::newRow("truncated") << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}hello");
    QTest::newRow("ends after backslash") << QByteArray("{\\rtf1 x\\");
    QTest::newRow("truncated hex") << QByteArray("{\\rtf1 \\'e");
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 \\'zz}");
    QTest::newRow("unbalanced") << QByteArray("{\\rtf1 x}}");
    QTest::newRow("text after the document") << QByteArray("{\\rtf1 x} y");
    QTest::newRow("binary beyond the end") << QByteArray("{\\rtf1 {\\pict\\bin100 ab}}");
    QTest::newRow("control word too long") << QByteArray("{\\rtf1 \\" + QByteArray(33, 'a') + " x}");
    QTest::newRow("parameter too long") << QByteArray("{\\rtf1 \\fs12345678901 x}");
    QTest::newRow("nested too deep") << nested(RtfReader::kMaxGroupDepth + 1);
}

void RtfTest::notRichText()
{
    QFETCH(QByteArray, rtf);
    QVERIFY(!RtfReader::read(rtf).has_value());
    // The same document mended is read.
    if (QByteArray(QTest::currentDataTag()) == "nested too deep")
        QCOMPARE(RtfReader::read(nested(RtfReader::kMaxGroupDepth))->plainText(), QStringLiteral("x"));
}

DAVOVO_TEST(RtfTest);

#include "rtftest.moc"
