#include "FoldVenBrowser/views/ViewListRemote.h"

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/views/PanelFrame.h"
#include "FoldVenBrowser/web/MainInterWnd.h"

CViewListRemote::CViewListRemote() : CDialog(IDD_LIST_VIEW) {
    auto web = std::make_unique<CMainInterWnd>();
    m_pWebPanel = web.get();
    m_panels[SlotOf(kWebPage)] = std::move(web);
}

CViewListRemote::~CViewListRemote() {
    if (m_hWhiteBrush)
        ::DeleteObject(m_hWhiteBrush);
}

bool CViewListRemote::Create(HWND parent) {
    m_pParent = parent;
    return CDialog::Create(parent);
}

int CViewListRemote::SlotOf(int mode) {
    switch (mode) {
        case kWebPage:
            return 0;
        case kSearch:
            return 1;
        case kRemoteList:
            return 2;
        default:
            return -1;
    }
}

void CViewListRemote::SetPanel(int mode, std::unique_ptr<CDialog> panel) {
    const int slot = SlotOf(mode);
    if (slot <= 0 || !panel)
        return;  // the web page panel is the view's own
    m_panels[slot] = std::move(panel);
    if (m_hWnd) {
        CreatePanelWindow(*m_panels[slot]);
        if (mode != m_nMode)
            m_panels[slot]->Show(SW_HIDE);
    }
}

CDialog* CViewListRemote::GetPanelOf(int mode) const {
    const int slot = SlotOf(mode);
    return slot < 0 ? nullptr : m_panels[slot].get();
}

void CViewListRemote::CreatePanelWindow(CDialog& panel) const {
    if (panel.GetSafeHwnd() || !panel.Create(m_hWnd))
        return;
    using PanelFrame::kInset;
    const RECT client = GetClientRect();
    ::SetWindowPos(panel, nullptr, kInset, kInset, client.right - 2 * kInset, client.bottom - 2 * kInset,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CViewListRemote::OnInitDialog() {
    m_hWhiteBrush = ::CreateSolidBrush(RGB(255, 255, 255));
    ::SetWindowLongA(m_hWnd, GWL_STYLE, ::GetWindowLongA(m_hWnd, GWL_STYLE) & ~WS_CLIPCHILDREN);
    ::UpdateWindow(m_hWnd);
    for (auto& panel : m_panels) {
        if (panel) {
            CreatePanelWindow(*panel);
            panel->Show(SW_HIDE);
        }
    }
    m_nMode = -1;
    ShowPanel(kWebPage);
    return TRUE;
}

void CViewListRemote::ShowPanel(int mode) {
    if (mode != m_nMode) {
        if (CDialog* current = GetPanelOf(m_nMode); current && current->GetSafeHwnd())
            current->Show(SW_HIDE);
    }
    m_nMode = mode;
    if (CDialog* panel = GetPanelOf(mode); panel && panel->GetSafeHwnd())
        panel->Show(SW_SHOW);
}

bool CViewListRemote::TranslateWebPageKey(MSG& msg) const {
    return m_nMode == kWebPage && m_pWebPanel && m_pWebPanel->TranslatePageKey(msg);
}

void CViewListRemote::ShowSearch() {
    if (m_nMode != kSearch) {
        if (CDialog* current = GetPanelOf(m_nMode); current && current->GetSafeHwnd())
            current->Show(SW_HIDE);
    }
    m_nMode = kSearch;
    CDialog* panel = GetPanelOf(kSearch);
    if (!panel || !panel->GetSafeHwnd())
        return;
    panel->Show(SW_SHOW);
    if (auto* search = dynamic_cast<ISearchPanel*>(panel))
        search->StartSearch();
}

void CViewListRemote::OnSize(UINT, int cx, int cy) {
    using PanelFrame::kInset;
    for (auto& panel : m_panels) {
        if (panel && panel->GetSafeHwnd())
            ::SetWindowPos(*panel, nullptr, kInset, kInset, cx - 2 * kInset, cy - 2 * kInset,
                           SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool CViewListRemote::OnPaint() {
    PanelFrame::PaintWindow(m_hWnd);
    return true;
}

bool CViewListRemote::OnButtonClick(UINT commandId) {
    if (commandId == 10)
        ShowSearch();
    return true;
}

HBRUSH CViewListRemote::OnCtlColor(HDC dc, HWND, UINT message) {
    if (message != WM_CTLCOLORDLG)
        return nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    return m_hWhiteBrush;
}

bool CViewListRemote::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message == WM_ERASEBKGND) {
        result = 0;
        return true;
    }
    return false;
}
