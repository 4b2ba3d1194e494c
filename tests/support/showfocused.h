#pragma once

#include <QTest>
#include <QWidget>

// Shows `window`, waits until it is active and gives `grid` the focus; false
// when the window never became active or the grid did not take the focus.
template <typename Grid>
[[nodiscard]] bool showFocused(QWidget &window, Grid &grid)
{
    window.show();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    grid.setFocus(Qt::OtherFocusReason);
    return grid.hasFocus() && grid.isFocusedControl();
}
