#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "FoldVenBrowser/catalogue/ListPaging.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"
#include "FoldVenBrowser/views/BrowseHost.h"
#include "FoldVenBrowser/views/SortListCtrl.h"

// The remote list: the current remote folder's items under a parent row "..", with paging of level-2
// folders, a context menu with "다운로드" and the download of the selected rows. Each row's item data
// names its item of the catalogue's view (ListRows); its texts and icon come from that item.
class CRemoteListCtrl : public CSortListCtrl {
public:
    CRemoteListCtrl();
    ~CRemoteListCtrl() override;

    void SetHost(IBrowseHost* host) { m_pHost = host; }
    // The right-hand view that holds the panel; a null window is ignored.
    void SetOwner(HWND owner);
    HWND GetOwner() const { return m_hOwner; }

    // Mode 0: no rows, and the three columns "이름", "총용량", "남은기간" (kept when already there).
    void SetupColumns(int mode);
    // The shared small system image list with the catalogue icons; once.
    bool SetupImageList();
    // Rebuilds the rows from the catalogue's view.
    void Populate();
    void ReloadFromService();
    void Redisplay();
    // 1 next page, 2 previous page (level-2 folders only).
    void ChangePage(int direction);
    void OpenRow(int row);
    void GoUp();
    void Download();
    // The catalogue name behind a row; "" for the parent row and rows without an item.
    std::string GetRowName(int row) const;

    CRemoteLocation& GetLocation() { return *m_pLocation; }
    CListPaging& GetPaging() { return m_paging; }
    // The panel passes on the list's notifications (double-click, row texts); true when handled.
    bool OnParentNotify(NMHDR* header, LRESULT& result);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::string RowText(LPARAM data, int column) const override;
    const std::string* RowTextKept(LPARAM data, int column) const override;
    int RowImage(LPARAM data) const override;

private:
    CRemoteCatalog* Catalog() const;
    void EnsureColumns();
    // Opens the row's folder or file, or goes up from "..".
    void OpenOrGoUp(int row);
    void OnContextMenu(LPARAM screenPoint);
    void ScrollRows(int rows);
    void ShowMessage(const std::string& text) const;

    IBrowseHost* m_pHost = nullptr;
    HWND m_hOwner = nullptr;
    std::unique_ptr<CRemoteLocation> m_pLocation;
    CListPaging m_paging;
    HIMAGELIST m_imageList = nullptr;
};
