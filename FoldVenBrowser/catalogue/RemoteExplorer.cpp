#include "FoldVenBrowser/catalogue/RemoteExplorer.h"

#include "FoldVenBrowser/catalogue/AdultRule.h"

void CRemoteExplorer::SetTreeControl(CTreeRemoteCtl* tree) {
    if (m_pTree == nullptr)
        m_pTree = tree;
}

void CRemoteExplorer::SetListControl(CRemoteListCtrl* list) {
    if (m_pList == nullptr)
        m_pList = list;
}

CRemoteExplorer::OpenResult CRemoteExplorer::OpenFromList(std::size_t viewIndex, CRemoteLocation& listLoc,
                                                          char accountAdultFlag, const std::string& userId,
                                                          IUiHooks& ui, OwnerWindow owner) {
    if (!m_catalog.IsFolderAt(viewIndex))
        return OpenResult::kNotFolder;
    // By index, not by name: two folders of one name each open themselves.
    CRemoteLocation folder;
    folder.SetFromItem(m_catalog.m_view[viewIndex]);
    if (IsAdultBarredForList(folder, accountAdultFlag, userId)) {
        ShowAdultRefusal(ui, owner);
        return OpenResult::kRefused;
    }
    if (!m_catalog.Refresh(folder))
        return OpenResult::kFailed;
    listLoc.CopyFrom(folder);
    listLoc.start = folder.start;  // a folder opens at its first page
    return OpenResult::kOpened;
}
