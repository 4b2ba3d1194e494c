#pragma once

#include <optional>
#include <span>
#include <vector>

// One axis of the grid (the columns or the rows): cell sizes, the fixed
// cells at the start that never scroll, the first visible scrolling cell and
// the client extent. Every cell is followed by a grid line of one pixel.
class GridAxis {
public:
    static constexpr int kLineWidth = 1;

    GridAxis(int count, int fixedCount, int defaultSize);

    [[nodiscard]] int count() const { return int(sizes_.size()); }
    [[nodiscard]] int fixedCount() const { return fixedCount_; }
    // Grows the axis; new cells get `size`. A smaller count is ignored.
    void growTo(int count, int size);

    [[nodiscard]] int size(int index) const { return sizes_[std::size_t(index)]; }
    // Every cell's size, to change them all at once (zoom).
    [[nodiscard]] std::span<int> sizes() { return sizes_; }
    void setSize(int index, int size);
    // Cells first .. end - 1 get `size`.
    void setSizes(int first, int end, int size);

    [[nodiscard]] int extent() const { return extent_; }
    void setExtent(int extent);

    // The first scrolling cell shown after the fixed ones.
    [[nodiscard]] int first() const { return first_; }
    // Clamped to the fixed count and maxFirst().
    void setFirst(int index);
    // The largest first() that still shows the last cell whole.
    [[nodiscard]] int maxFirst() const;

    // The pixel where the cell starts, when the layout places it (fixed
    // cells and scrolling cells from first() on); nothing for cells scrolled
    // out at the start.
    [[nodiscard]] std::optional<int> start(int index) const;
    [[nodiscard]] bool isVisible(int index) const;
    // The last cell that starts inside the extent.
    [[nodiscard]] int lastVisible() const;
    // The last scrolling cell whose size and line fit inside the extent;
    // first() when none does.
    [[nodiscard]] int lastFullyVisible() const;
    // Last fully visible minus first, at least 1.
    [[nodiscard]] int pageSize() const;
    // The pixels of the fixed cells with their lines.
    [[nodiscard]] int fixedExtent() const;
    // The first pixel after the last visible cell's line.
    [[nodiscard]] int usedExtent() const;

    // The cell at a pixel (a cell owns the line after it); -1 for none.
    [[nodiscard]] int indexAt(int pos) const;

    // Proportional scroll bars run over 0 .. kScrollRange - 1 whatever the
    // count: the thumb is round(kScrollRange x fully shown scrolling cells /
    // count), at least 1, and first() shows as a position in
    // 0 .. kScrollRange - thumb.
    static constexpr int kScrollRange = 128;
    [[nodiscard]] int scrollThumb() const;
    [[nodiscard]] int scrollBarPosition() const;
    // The first() that a thumb dragged to `position` stands for.
    [[nodiscard]] int firstForScrollBarPosition(int position) const;

    // Scrolls so that the cell is visible whole where the extent allows;
    // returns whether first() changed.
    bool scrollIntoView(int index);

private:
    // The smallest first() that shows `index` whole.
    [[nodiscard]] int firstShowing(int index) const;

    std::vector<int> sizes_;
    int fixedCount_;
    int first_;
    int extent_ = 0;
};
