#include "FoldVenBrowser/views/SearchListWnd.h"

#include "FoldVenBrowser/BrowserApp.h"
#include "FoldVenBrowser/ui/MainDlg.h"
#include "FoldVenBrowser/views/SearchRunner.h"

namespace {

// The display's colour depth (the ILC_COLOR* values are the bit counts) and the common controls'
// version, as the application found them; a test without one gets a common modern display.
UINT ListColorFlag() {
    const CBrowserApp* app = CBrowserApp::Get();
    return app ? static_cast<UINT>(app->m_nColorDepth) : ILC_COLOR32;
}

DWORD ListComCtlVersion() {
    const CBrowserApp* app = CBrowserApp::Get();
    return app ? app->m_dwComCtlVersion : 0x60000;
}

}  // namespace

CSearchListWnd::CSearchListWnd()
    : CDialog(kTemplateId),
      m_list(ListColorFlag(), ListComCtlVersion()),
      m_whiteBrush(::CreateSolidBrush(RGB(255, 255, 255))) {}

CSearchListWnd::~CSearchListWnd() {
    ::DeleteObject(m_whiteBrush);
}

BOOL CSearchListWnd::OnInitDialog() {
    const RECT empty{0, 0, 0, 0};
    return m_list.Create(m_hWnd, empty) ? TRUE : FALSE;
}

void CSearchListWnd::OnSize(UINT, int cx, int cy) {
    if (m_list.GetSafeHwnd())
        ::MoveWindow(m_list, 0, 0, cx, cy, TRUE);
}

bool CSearchListWnd::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->hwndFrom != m_list.GetSafeHwnd())
        return false;
    switch (header->code) {
        case LVN_COLUMNCLICK:
            m_list.OnColumnClick(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
            result = 0;
            return true;
        case LVN_GETDISPINFOA:
            m_list.OnGetDispInfo(reinterpret_cast<NMLVDISPINFOA*>(header));
            result = 0;
            return true;
        default:
            return false;
    }
}

HBRUSH CSearchListWnd::OnCtlColor(HDC, HWND control, UINT) {
    return control == m_hWnd ? m_whiteBrush : nullptr;
}

void CSearchListWnd::StartSearch() {
    const CBrowserApp* app = CBrowserApp::Get();
    StartSearch(app ? app->m_session : CSessionInfo());
}

void CSearchListWnd::StartSearch(const CSessionInfo& session) {
    m_list.DeleteAllItems();
    if (!m_results && CMainDlg::Get())
        m_results = CMainDlg::Get()->m_pSearchResults;
    if (!m_results)
        return;
    m_results->m_pList = &m_list;
    auto* job = new CSearchRunner(m_results, session);
    m_results->m_pJob = job;
    if (!job->Start()) {
        // Never started, so it is still ours to delete.
        m_results->m_pJob = nullptr;
        delete job;
    }
}

void CSearchListWnd::OnDestroy() {
    // A search still running keeps going, but its rows have nowhere to go.
    if (m_results && m_results->m_pList == &m_list)
        m_results->m_pList = nullptr;
}
