#include "app/appdialogs.h"
#include "app/application.h"
#include "app/lastresort.h"
#include "app/windowset.h"

#include <memory>

int main(int argc, char **argv)
{
    DavovoApplication app(argc, argv);
    AppDialogs appDialogs;
    setDialogs(&appDialogs);

    std::unique_ptr<WindowSet> windows;
    try {
        windows = std::make_unique<WindowSet>();
        windows->show();
    } catch (...) {
        // Nothing is running yet that could report it.
        showLastResort(std::current_exception());
        return 1;
    }
    return DavovoApplication::exec();
}
