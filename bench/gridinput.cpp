// Figures for the grid's input: a paste of 100,000 cells (a 1,000 x 100
// block) through Ctrl+V and the full repaint after it, a Ctrl+wheel zoom
// step with its repaint, and a wheel step with its repaint, on the editor
// grid in a 1920 x 1080 window. Runs offscreen unless a platform is named.

#include "colour/colourtable.h"
#include "editor/editorgrid.h"

#include "benchsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QTest>
#include <QWheelEvent>

#include <cstdio>

namespace {

QString block(int cols, int rows)
{
    QString text;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            text += QString::number((row * cols + col) % 256);
            if (col + 1 < cols)
                text += QLatin1Char('\t');
        }
        if (row + 1 < rows)
            text += QStringLiteral("\r\n");
    }
    return text;
}

void wheel(EditorGrid &grid, int delta, Qt::KeyboardModifiers modifiers)
{
    const QPointF pos(200, 60);
    QWheelEvent event(pos, grid.viewport()->mapToGlobal(pos), {}, {0, delta}, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &event);
    grid.viewport()->repaint();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    ColourTable table;
    EditorGrid grid(table);
    grid.writeColumnHeaders();
    grid.resize(1920, 1080);
    grid.show();
    if (!QTest::qWaitForWindowActive(&grid))
        return 1;
    grid.setFocus();
    grid.fillFromTable();

    // Zoom and wheel on the 247 x 6 grid.
    int direction = 1;
    const double zoom = averageMs(100, [&] {
        wheel(grid, 120 * direction, Qt::ControlModifier);
        if (grid.zoom() >= 9 || grid.zoom() <= -9)
            direction = -direction;
    });
    const double scroll = averageMs(200, [&] { wheel(grid, grid.row() >= 5 ? 120 : -120, Qt::NoModifier); });

    QGuiApplication::clipboard()->setText(block(1000, 100));
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
    const double paste = double(timer.nsecsElapsed()) / 1e6;
    const double repaint = averageMs(50, [&] { grid.viewport()->repaint(); });

    std::printf("platform:                          %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("Ctrl+wheel zoom step + repaint:    %.3f ms (target < 4 ms)\n", zoom);
    std::printf("wheel step + repaint:              %.3f ms (target < 4 ms)\n", scroll);
    std::printf("paste of 1,000 x 100 cells:        %.3f ms (target < 100 ms)\n", paste);
    std::printf("full repaint after it (%d x %d):  %.3f ms (target < 4 ms)\n", grid.colCount(),
                grid.rowCount(), repaint);
    return 0;
}
