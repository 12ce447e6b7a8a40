#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/catalogue/RemoteExplorer.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"
#include "platform/UiHooks.h"

// What the remote list and the folder tree need from the main window that holds them: the catalogue,
// the account, the way to show messages, and the main window's own operations they call.
class IBrowseHost {
public:
    virtual ~IBrowseHost() = default;

    virtual CRemoteExplorer& GetExplorer() = 0;
    virtual const CSessionInfo& GetSession() const = 0;
    virtual IUiHooks& GetUi() = 0;
    // The owner of messages shown to the user.
    virtual HWND GetMessageOwner() const = 0;
    // The main window's menu image list; its image 0 is the download item's picture.
    virtual HIMAGELIST GetMenuImageList() const = 0;

    // 0 for the list control, 2 for the tree control, -1 for anything else.
    virtual int SetActivePane(HWND pane) = 0;
    virtual void SelectTreeFolder(const CRemoteLocation& location, TreeItemHandle previousItem) = 0;
    virtual BOOL OpenTreeSelection() = 0;
    // Shows the remote list panel in the right-hand view unless it is shown.
    virtual void ShowRemoteListPanel() = 0;

    virtual void BeginDownloadList() = 0;
    virtual void AddDownloadItem(const std::string& id, const std::string& name) = 0;
    virtual void SendDownloadList(const std::string& userId, const std::string& password) = 0;
};
