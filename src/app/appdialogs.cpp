#include "app/appdialogs.h"

#include "settings/folderbrowser.h"

std::optional<QString> AppDialogs::browseForFolder(QWidget *owner, const FolderBrowserRequest &request)
{
    return FolderBrowser::browse(owner, request);
}
