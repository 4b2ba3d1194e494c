#include "notes/rtf/charformat.h"

#include <QBrush>

#include <cmath>

namespace {

// HTML pasted from other programs may give sizes in pixels; the notes file
// knows points, at 96 pixels per inch.
int halfPointsOf(const QTextCharFormat &own, int fallback)
{
    if (own.hasProperty(QTextFormat::FontPointSize))
        return std::max(1, int(std::lround(own.fontPointSize() * 2)));
    if (own.hasProperty(QTextFormat::FontPixelSize))
        return std::max(2, 2 * int(std::lround(own.intProperty(QTextFormat::FontPixelSize) * 0.75)));
    return fallback;
}

std::optional<QString> faceOf(const QTextCharFormat &own)
{
    if (own.hasProperty(QTextFormat::FontFamilies)) {
        const QStringList families = own.fontFamilies().toStringList();
        if (!families.isEmpty())
            return families.first();
    }
    if (own.hasProperty(QTextFormat::FontFamily))
        return own.stringProperty(QTextFormat::FontFamily);
    return std::nullopt;
}

bool underlinedOf(const QTextCharFormat &own, bool fallback)
{
    if (own.hasProperty(QTextFormat::TextUnderlineStyle))
        return own.underlineStyle() != QTextCharFormat::NoUnderline;
    if (own.hasProperty(QTextFormat::FontUnderline))
        return own.boolProperty(QTextFormat::FontUnderline);
    return fallback;
}

} // namespace

CharFormat CharFormat::resolved(const QTextCharFormat &own, const CharFormat &defaults)
{
    CharFormat format = defaults;
    if (const std::optional<QString> face = faceOf(own)) {
        format.face = *face;
        format.charset = kDefaultCharset;
    }
    if (own.hasProperty(kCharsetProperty))
        format.charset = own.intProperty(kCharsetProperty);
    format.halfPoints = halfPointsOf(own, defaults.halfPoints);
    if (own.hasProperty(QTextFormat::ForegroundBrush) && own.foreground().style() != Qt::NoBrush)
        format.colour = own.foreground().color().rgb();
    if (own.hasProperty(QTextFormat::FontWeight))
        format.bold = own.fontWeight() > QFont::Normal;
    if (own.hasProperty(QTextFormat::FontItalic))
        format.italic = own.fontItalic();
    format.underline = underlinedOf(own, defaults.underline);
    if (own.hasProperty(QTextFormat::FontStrikeOut))
        format.strikeOut = own.fontStrikeOut();
    return format;
}

QTextCharFormat CharFormat::ownFormat(const CharFormat *defaults) const
{
    QTextCharFormat own;
    const auto differs = [defaults](auto CharFormat::*field, const CharFormat &self) {
        return defaults == nullptr || self.*field != defaults->*field;
    };
    if (!face.isEmpty() && differs(&CharFormat::face, *this))
        own.setFontFamilies({face});
    if (differs(&CharFormat::charset, *this))
        own.setProperty(kCharsetProperty, charset);
    if (differs(&CharFormat::halfPoints, *this))
        own.setFontPointSize(halfPoints / 2.0);
    if (colour && differs(&CharFormat::colour, *this))
        own.setForeground(QColor::fromRgb(*colour));
    if (differs(&CharFormat::bold, *this))
        own.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    if (differs(&CharFormat::italic, *this))
        own.setFontItalic(italic);
    if (differs(&CharFormat::underline, *this))
        own.setFontUnderline(underline);
    if (differs(&CharFormat::strikeOut, *this))
        own.setFontStrikeOut(strikeOut);
    return own;
}

QTextCharFormat CharFormat::kept(const QTextCharFormat &format)
{
    QTextCharFormat kept;
    if (const std::optional<QString> face = faceOf(format))
        kept.setFontFamilies({*face});
    if (format.hasProperty(kCharsetProperty))
        kept.setProperty(kCharsetProperty, format.intProperty(kCharsetProperty));
    if (format.hasProperty(QTextFormat::FontPointSize) || format.hasProperty(QTextFormat::FontPixelSize))
        kept.setFontPointSize(halfPointsOf(format, 24) / 2.0);
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        kept.setForeground(format.foreground().color());
    if (format.hasProperty(QTextFormat::FontWeight))
        kept.setFontWeight(format.fontWeight() > QFont::Normal ? QFont::Bold : QFont::Normal);
    if (format.hasProperty(QTextFormat::FontItalic))
        kept.setFontItalic(format.fontItalic());
    if (format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline))
        kept.setFontUnderline(underlinedOf(format, false));
    if (format.hasProperty(QTextFormat::FontStrikeOut))
        kept.setFontStrikeOut(format.fontStrikeOut());
    return kept;
}

QFont CharFormat::font() const
{
    QFont font(face);
    font.setPointSizeF(halfPoints / 2.0);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}
