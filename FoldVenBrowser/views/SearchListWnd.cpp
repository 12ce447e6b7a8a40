#include "FoldVenBrowser/views/SearchListWnd.h"

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/views/SearchRunner.h"

// The display's colour depth (the ILC_COLOR* values are the bit counts) and the common controls' version
// go to the list, which makes its images and header arrows with them.
CSearchListWnd::CSearchListWnd(const SearchPanelSetup& setup)
    : CDialog(kTemplateId),
      m_list(setup.colorFlag, setup.comCtlVersion),
      m_whiteBrush(::CreateSolidBrush(RGB(255, 255, 255))),
      m_results(setup.results),
      m_pSession(setup.session) {}

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
    StartSearch(m_pSession ? *m_pSession : CSessionInfo());
}

void CSearchListWnd::StartSearch(const CSessionInfo& session) {
    m_list.DeleteAllItems();
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
