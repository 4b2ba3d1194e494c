#include "about/aboutlayout.h"

#include <algorithm>

namespace {

// The column below the title, placed top to bottom.
class Column {
public:
    Column(int left, int width) : left_(left), width_(width) {}

    [[nodiscard]] int top() const { return y_; }
    void advance(int by) { y_ += by; }
    void atLeast(int y) { y_ = std::max(y_, y); }

    // A label with text is placed and followed by its gap; one without is
    // neither placed nor advanced over.
    QRect place(int height, int gap)
    {
        if (height <= 0)
            return {};
        const QRect rect(left_, y_, width_, height);
        y_ += height + gap;
        return rect;
    }

private:
    int left_;
    int width_;
    int y_ = 24;
};

} // namespace

int aboutColumnWidth(int clientWidth)
{
    return clientWidth - AboutGeometry::columnLeft - 6;
}

AboutLayout layOutAboutBox(int clientWidth, const AboutLabelHeights &heights, bool emailGiven)
{
    using namespace AboutGeometry;
    const int width = aboutColumnWidth(clientWidth);
    Column column(columnLeft, width);
    AboutLayout layout;
    layout.title = column.place(heights.title, 10);
    column.atLeast(picture.top() + picture.height());
    layout.version = column.place(heights.version, 4);
    layout.description = column.place(heights.description, 24);
    // The description's gap stays even without a description.
    if (heights.description <= 0)
        column.advance(24);
    layout.copyright = column.place(heights.copyright, 1);
    // The hidden web-address and e-mail lines.
    column.advance(emailGiven ? 3 : 6);
    column.advance(6);
    layout.separator = QRect(columnLeft, column.top(), width, 2);
    column.advance(9);

    const int top = column.top();
    layout.captions = QRect(columnLeft, top, systemColumnWidth, heights.captions);
    layout.values = QRect(columnLeft + systemColumnWidth, top, systemColumnWidth, heights.values);
    const int buttonTop = top + std::max(heights.captions, heights.values) + 24;
    layout.ok = QRect(QPoint(clientWidth - button.width() - 6, buttonTop), button);
    layout.second = QRect(QPoint(layout.ok.left() - button.width() - 6, buttonTop), button);
    layout.clientHeight = buttonTop + button.height() + 6;
    return layout;
}

QPoint aboutBoxPosition(QSize window, QSize screen)
{
    // Integer division truncates, as the centring asks.
    int left = (screen.width() - window.width()) / 2;
    int top = (screen.height() - window.height()) / 2;
    if (top + window.height() > screen.height())
        top = screen.height() - window.height();
    if (left + window.width() > screen.width())
        left = screen.width() - window.width();
    return {std::max(left, 0), std::max(top, 0)};
}
