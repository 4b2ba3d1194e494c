#include "grid/view/celltextcache.h"

#include <QTransform>

const QStaticText &CellTextCache::text(const QString &text, const QFont &font)
{
    if (font != font_ || texts_.size() >= kMaxEntries) {
        texts_.clear();
        font_ = font;
    }
    auto found = texts_.find(text);
    if (found == texts_.end()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
        laidOut.prepare(QTransform(), font);
        found = texts_.insert(text, laidOut);
    }
    return *found;
}
