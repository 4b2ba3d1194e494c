// The yardstick of bench_startup: a bare Qt window, a QMainWindow of the
// editor's size with a menu bar of six items, reporting its start-up steps
// the way the program does (DAVOVO_STARTUP_REPORT).

#include "platform/gui/startupreport.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    StartupReport::step("main");
    QApplication app(argc, argv);
    StartupReport::step("application");
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    for (const char *caption : {"One", "Two", "Three", "Four", "Five", "Six"})
        window.menuBar()->addAction(QString::fromLatin1(caption));
    window.resize(750, 281);
    StartupReport::step("window made");
    StartupReport::watch(&window);
    window.show();
    StartupReport::step("window shown");
    return QApplication::exec();
}
