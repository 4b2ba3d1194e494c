#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>

// Laid-out single-line cell texts, for drawing without laying them out
// again at every paint: grid texts repeat ("0" to "255"). One cache per
// font; a change of font empties it, and it never holds more than
// kMaxEntries texts.
class CellTextCache {
public:
    static constexpr qsizetype kMaxEntries = 4096;

    // The text laid out in `font`. Only for texts without line breaks or tabs.
    [[nodiscard]] const QStaticText &text(const QString &text, const QFont &font);

private:
    QFont font_;
    QHash<QString, QStaticText> texts_;
};
