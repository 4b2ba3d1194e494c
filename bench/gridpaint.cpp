// Figures for the editor grid: a full repaint in a 1920 x 1080 window, the
// fill + auto-size + paint that follows an Open, and the process memory with
// the editor shown. Runs offscreen unless a platform is named.

#include "colour/colourtable.h"
#include "editor/editorgrid.h"

#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    ColourTable table;
    for (int i = 0; i < ColourTable::kByteCount; ++i)
        table.bytes()[std::size_t(i)] = quint8(i * 37);
    EditorGrid grid(table);
    grid.writeColumnHeaders();
    grid.resize(1920, 1080);
    grid.show();
    QElapsedTimer shown;
    shown.start();
    while (!grid.isVisible() && shown.elapsed() < 5000)
        QApplication::processEvents();
    grid.fillFromTable();
    QApplication::processEvents();

    const double repaint = averageMs(200, [&] { grid.viewport()->repaint(); });
    const double fill = averageMs(100, [&] {
        grid.fillFromTable();
        grid.viewport()->repaint();
    });
    QApplication::processEvents();

    std::printf("platform:                       %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("full repaint 1920x1080:         %.3f ms (target < 4 ms)\n", repaint);
    std::printf("fill + auto-size + paint:       %.3f ms (target < 5 ms)\n", fill);
    std::printf("resident memory, editor shown:  %s\n", qPrintable(residentMemory()));
    return 0;
}
