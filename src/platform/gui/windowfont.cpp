#include "platform/gui/windowfont.h"

QFont windowFont()
{
    static const QString family = [] {
        const QString name = QStringLiteral("MS Sans Serif");
        // Qt's own choice for a missing family is the desktop's sans-serif
        // (DejaVu Sans on Debian), a seventh wider: the warning lines wrap and
        // the "Location" header is cut. Installed once, before any window
        // asks for the font; the notes' rich text of that face gets it too.
        QFont::insertSubstitution(name, QStringLiteral("FreeSans"));
        return name;
    }();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
