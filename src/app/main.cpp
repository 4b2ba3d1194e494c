#include "app/appdialogs.h"
#include "app/application.h"
#include "app/lastresort.h"
#include "app/windowset.h"
#include "platform/gui/startupreport.h"

#include <memory>

int main(int argc, char **argv)
{
    StartupReport::step("main");
    DavovoApplication app(argc, argv);
    StartupReport::step("application");
    AppDialogs appDialogs;
    setDialogs(&appDialogs);

    std::unique_ptr<WindowSet> windows;
    try {
        windows = std::make_unique<WindowSet>();
        StartupReport::watch(&windows->startWindow, &windows->editorWindow,
                             [&windows] { windows->startWindow.Button5Click(); });
        windows->show();
        StartupReport::step("start window shown");
    } catch (...) {
        // Nothing is running yet that could report it.
        showLastResort(std::current_exception());
        return 1;
    }
    return DavovoApplication::exec();
}
