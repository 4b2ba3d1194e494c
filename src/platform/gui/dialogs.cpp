#include "platform/gui/dialogs.h"

#include <QtGlobal>

namespace {
Dialogs *current = nullptr;
}

Dialogs &dialogs()
{
    if (current == nullptr)
        qFatal("No dialogs installed");
    return *current;
}

void setDialogs(Dialogs *dialogs)
{
    current = dialogs;
}
