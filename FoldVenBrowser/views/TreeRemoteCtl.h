#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "FoldVenBrowser/catalogue/RemoteCatalog.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"
#include "FoldVenBrowser/toolkit/TreeCtrlEx.h"
#include "FoldVenBrowser/views/BrowseHost.h"

// The folder tree: the node "FoldVen", the level-1 categories beside it and the level-2 categories
// under them. A node is linked to its catalogue item through the item's treeItem field; the item data of
// every node is 0. Selecting a node shows its category in the list.
class CTreeRemoteCtl : public CTreeCtrlEx {
public:
    CTreeRemoteCtl();
    ~CTreeRemoteCtl() override;

    void SetHost(IBrowseHost* host) { m_pHost = host; }
    void SetCatalog(CRemoteCatalog* catalog) { m_pCatalog = catalog; }
    // The shared small system image list with the catalogue icons; false when the shell has none.
    bool SetupImageList();
    void InsertRootItem();
    void SetCurrentItem(HTREEITEM h);
    HTREEITEM InsertItemNode(HTREEITEM parent, CRemoteItem& item);
    void ExpandNode(HTREEITEM h, bool resetToRoot, bool forceReload);
    void FillChildren(HTREEITEM h, bool clearFirst);
    void DeleteChildren(HTREEITEM h);
    void DeleteChildrenRecursive(HTREEITEM h);
    std::string GetItemPath(HTREEITEM h) const;
    // The catalogue item behind a node (its index in the cache, or 1 for the root); -1 when none.
    int FindItemOfNode(HTREEITEM h, CRemoteItem& out) const;
    bool LocationOfParent(CRemoteLocation& loc, HTREEITEM h) const;
    void CollapseLevel1Nodes();
    void SelectNode(HTREEITEM h);

    CRemoteLocation& GetLocation() { return *m_pLocation; }
    // The location of the top of the tree; null until first needed.
    CRemoteLocation* GetRootLocation() { return m_pRootLocation.get(); }
    CRemoteLocation& EnsureRootLocation();
    // The "FoldVen" node (0 until inserted), as the catalogue stores node handles.
    TreeItemHandle GetRootItem() const { return reinterpret_cast<TreeItemHandle>(m_hRootItem); }
    HTREEITEM GetFirstTopLevelItem() const { return Next(nullptr, TVGN_ROOT); }
    std::string GetItemText(HTREEITEM h) const;
    // The panel passes on the tree's notifications; true when handled.
    bool OnParentNotify(NMHDR* header, LRESULT& result);

    BOOL m_bNoSelectionHandling = FALSE;
    BOOL m_bNoListSync = FALSE;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HTREEITEM Next(HTREEITEM h, UINT relation) const {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(h)));
    }
    HTREEITEM HitTestMessagePos() const;
    void OnSelectionChanged(const NMTREEVIEWA& change);
    void OnLeftButtonDown(LPARAM point);
    void ShowRefusal() const;

    IBrowseHost* m_pHost = nullptr;
    CRemoteCatalog* m_pCatalog = nullptr;
    std::unique_ptr<CRemoteLocation> m_pLocation;
    std::unique_ptr<CRemoteLocation> m_pRootLocation;
    HTREEITEM m_hCurrentItem = nullptr;
    HTREEITEM m_hRootItem = nullptr;
};
