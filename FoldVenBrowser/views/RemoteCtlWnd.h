#pragma once

#include <memory>
#include <string>

#include "FoldVenBrowser/toolkit/SkinButton.h"
#include "FoldVenBrowser/views/RemoteListCtrl.h"
#include "win/Dialog.h"

class CWebBrowser2;

// The remote list panel (template 120): the banner page above, the previous/next page buttons beside
// it and the remote list below. Where the system has no web engine the banner is a plain strip that
// names its page.
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
    void OnDestroy() override;

private:
    HBRUSH m_hWhiteBrush = nullptr;
    HBRUSH m_hBannerBrush = nullptr;
    std::unique_ptr<CWebBrowser2> m_banner;
    CSkinButton m_previous;
    CSkinButton m_next;
    CRemoteListCtrl m_list;
};
