#include "notes/rtf/codepage.h"

#include <array>
#include <utility>

namespace {

// Code page 1252 differs from Latin-1 only in 0x80 to 0x9F; its five unused
// bytes there stand for the C1 control of the same number, as Windows reads
// them.
constexpr std::array<char16_t, 32> kWestern80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QByteArray converterName(int number)
{
    return "windows-" + QByteArray::number(number);
}

QStringDecoder decoderFor(int number)
{
    if (number == CodePage::kWestern)
        return {};
    return QStringDecoder(converterName(number).constData(), QStringConverter::Flag::Stateless);
}

QStringEncoder encoderFor(int number)
{
    if (number == CodePage::kWestern)
        return {};
    return QStringEncoder(converterName(number).constData(), QStringConverter::Flag::Stateless);
}

} // namespace

CodePage::CodePage(int number) : number_(number), decoder_(decoderFor(number)), encoder_(encoderFor(number))
{
    if (number_ != kWestern && !decoder_.isValid())
        number_ = kWestern;
}

bool CodePage::isDoubleByte() const
{
    return number_ == 932 || number_ == 936 || number_ == 949 || number_ == 950;
}

QString CodePage::decode(QByteArrayView bytes)
{
    if (number_ != kWestern)
        return decoder_.decode(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(westernChar(static_cast<unsigned char>(bytes[i])));
    return text;
}

QByteArray CodePage::encode(char16_t c)
{
    if (number_ == kWestern) {
        const int byte = westernByte(c);
        return byte >= 0 ? QByteArray(1, char(byte)) : QByteArray();
    }
    if (c < 0x80 || QChar::isSurrogate(c) || !encoder_.isValid())
        return {};
    const QStringView character(&c, 1);
    QByteArray bytes = encoder_.encode(character);
    // A converter puts a stand-in (or a look-alike) where it has no byte.
    if (bytes.isEmpty() || QString(decoder_.decode(bytes)) != character)
        return {};
    return bytes;
}

int CodePage::ofCharset(int charset)
{
    static constexpr std::pair<int, int> kCharsets[] = {
        {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950}, {161, 1253}, {162, 1254}, {163, 1258},
        {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}, {254, 437},  {255, 437}};
    for (const auto &[set, codePage] : kCharsets)
        if (set == charset)
            return codePage;
    return 0;
}

char16_t CodePage::westernChar(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kWestern80[byte - 0x80] : char16_t(byte);
}

int CodePage::westernByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kWestern80.size(); ++i)
        if (kWestern80[i] == c && (c < 0x80 || c > 0x9F))
            return int(0x80 + i);
    return -1;
}
