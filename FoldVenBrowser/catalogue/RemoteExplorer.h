#pragma once

#include <cstddef>
#include <string>

#include "FoldVenBrowser/catalogue/RemoteCatalog.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"
#include "platform/UiHooks.h"

class CTreeRemoteCtl;
class CRemoteListCtrl;

// The catalogue controller the main window owns; the tree and the list reach the catalogue through it.
class CRemoteExplorer {
public:
    enum class OpenResult { kNotFolder, kRefused, kFailed, kOpened };

    // Each control is given once; later calls are ignored.
    void SetTreeControl(CTreeRemoteCtl* tree);
    void SetListControl(CRemoteListCtrl* list);
    CTreeRemoteCtl* TreeControl() const { return m_pTree; }
    CRemoteListCtrl* ListControl() const { return m_pList; }

    void ShowChildrenOf(const CRemoteLocation& loc) { m_catalog.ShowChildren(loc.ToItem()); }

    // Opens the view's folder at viewIndex for the list: files are ignored, an adult-only folder is
    // refused with string 118 (unless the account owns it), and on success listLoc takes the folder at
    // its first page.
    OpenResult OpenFromList(std::size_t viewIndex, CRemoteLocation& listLoc, char accountAdultFlag,
                            const std::string& userId, IUiHooks& ui, OwnerWindow owner);

    CRemoteCatalog m_catalog;

private:
    CTreeRemoteCtl* m_pTree = nullptr;
    CRemoteListCtrl* m_pList = nullptr;
};
