#pragma once

#include <string>

#include "FoldVenBrowser/toolkit/SkinButton.h"
#include "FoldVenBrowser/views/RemoteListCtrl.h"
#include "win/Dialog.h"

// The remote list panel (template 120): the banner page above, the previous/next page buttons beside
// it and the remote list below.
class CRemoteCtlWnd : public CDialog {
public:
    static constexpr UINT kPreviousPage = 10;
    static constexpr UINT kNextPage = 11;

    CRemoteCtlWnd();
    ~CRemoteCtlWnd() override;

    CRemoteListCtrl& GetList() { return m_list; }
    // The banner page above the list, on the API host.
    static std::string BannerAddress();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    void OnSize(UINT type, int cx, int cy) override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool OnButtonClick(UINT command) override;

private:
    HBRUSH m_hWhiteBrush = nullptr;
    HBRUSH m_hBannerBrush = nullptr;
    CSkinButton m_previous;
    CSkinButton m_next;
    CRemoteListCtrl m_list;
};
