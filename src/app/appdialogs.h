#pragma once

#include "platform/gui/qtdialogs.h"

// The real dialogs: Qt's boxes and file dialogs, and the program's own
// folder browser.
class AppDialogs : public QtDialogs {
public:
    std::optional<QString> browseForFolder(QWidget *owner, const FolderBrowserRequest &request) override;
};
