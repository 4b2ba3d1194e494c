#include "grid/model/gridaxis.h"

#include <algorithm>

GridAxis::GridAxis(int count, int fixedCount, int defaultSize)
    : sizes_(std::size_t(count), defaultSize), fixedCount_(fixedCount), first_(fixedCount)
{
}

void GridAxis::growTo(int count, int size)
{
    if (count > this->count())
        sizes_.resize(std::size_t(count), size);
}

void GridAxis::setSize(int index, int size)
{
    sizes_[std::size_t(index)] = std::max(0, size);
}

void GridAxis::setSizes(int first, int end, int size)
{
    for (int index = first; index < end; ++index)
        setSize(index, size);
}

void GridAxis::setExtent(int extent)
{
    extent_ = std::max(0, extent);
}

void GridAxis::setFirst(int index)
{
    first_ = std::clamp(index, fixedCount_, std::max(fixedCount_, maxFirst()));
}

int GridAxis::fixedExtent() const
{
    int total = 0;
    for (int i = 0; i < fixedCount_ && i < count(); ++i)
        total += size(i) + kLineWidth;
    return total;
}

int GridAxis::firstShowing(int index) const
{
    const int room = extent_ - fixedExtent();
    int first = index;
    int used = size(index) + kLineWidth;
    while (first - 1 >= fixedCount_ && used + size(first - 1) + kLineWidth <= room) {
        --first;
        used += size(first) + kLineWidth;
    }
    return first;
}

int GridAxis::maxFirst() const
{
    if (count() <= fixedCount_)
        return fixedCount_;
    return firstShowing(count() - 1);
}

std::optional<int> GridAxis::start(int index) const
{
    if (index < 0 || index >= count())
        return std::nullopt;
    int pos = 0;
    if (index < fixedCount_) {
        for (int i = 0; i < index; ++i)
            pos += size(i) + kLineWidth;
        return pos;
    }
    if (index < first_)
        return std::nullopt;
    pos = fixedExtent();
    for (int i = first_; i < index; ++i) {
        pos += size(i) + kLineWidth;
        if (pos >= extent_)
            return pos; // far enough to tell it is out of view
    }
    return pos;
}

bool GridAxis::isVisible(int index) const
{
    const std::optional<int> pos = start(index);
    return pos.has_value() && *pos < extent_;
}

int GridAxis::lastVisible() const
{
    int pos = fixedExtent();
    int last = first_ - 1;
    for (int i = first_; i < count() && pos < extent_; ++i) {
        last = i;
        pos += size(i) + kLineWidth;
    }
    return last;
}

int GridAxis::lastFullyVisible() const
{
    int pos = fixedExtent();
    int last = first_;
    for (int i = first_; i < count(); ++i) {
        pos += size(i) + kLineWidth;
        if (pos > extent_)
            break;
        last = i;
    }
    return last;
}

int GridAxis::pageSize() const
{
    return std::max(1, lastFullyVisible() - first_);
}

int GridAxis::usedExtent() const
{
    int pos = fixedExtent();
    for (int i = first_; i < count() && pos < extent_; ++i)
        pos += size(i) + kLineWidth;
    return std::min(pos, extent_);
}

int GridAxis::indexAt(int pos) const
{
    if (pos < 0 || pos >= extent_)
        return -1;
    int edge = 0;
    for (int i = 0; i < fixedCount_ && i < count(); ++i) {
        edge += size(i) + kLineWidth;
        if (pos < edge)
            return i;
    }
    for (int i = first_; i < count(); ++i) {
        edge += size(i) + kLineWidth;
        if (pos < edge)
            return i;
    }
    return -1;
}

bool GridAxis::scrollIntoView(int index)
{
    if (index < fixedCount_ || index >= count())
        return false;
    const int old = first_;
    if (index < first_)
        setFirst(index);
    else if (index > lastFullyVisible())
        setFirst(firstShowing(index));
    return first_ != old;
}

// ---- Proportional scroll bars ------------------------------------------------
//
// The scroll position is first kept on a scale of 0 to 127 (kScrollRange - 1)
// over the scrollable span, then shown in the room the thumb leaves.

namespace {

int roundedRatio(long long value, long long numerator, long long denominator)
{
    return denominator <= 0 ? 0 : int((2 * value * numerator + denominator) / (2 * denominator));
}

} // namespace

int GridAxis::scrollThumb() const
{
    const int shown = lastFullyVisible() - first_ + 1;
    return std::clamp(roundedRatio(kScrollRange, shown, std::max(1, count())), 1, kScrollRange);
}

int GridAxis::scrollBarPosition() const
{
    const int span = maxFirst() - fixedCount_;
    const int scaled = roundedRatio(first_ - fixedCount_, kScrollRange - 1, span);
    return roundedRatio(scaled, kScrollRange - scrollThumb(), kScrollRange - 1);
}

int GridAxis::firstForScrollBarPosition(int position) const
{
    const int room = kScrollRange - scrollThumb();
    const int scaled = std::clamp(roundedRatio(position, kScrollRange - 1, room), 0, kScrollRange - 1);
    return fixedCount_ + roundedRatio(scaled, maxFirst() - fixedCount_, kScrollRange - 1);
}
