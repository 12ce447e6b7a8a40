#include "FoldVenBrowser/views/ViewTreeWnd.h"

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/views/PanelFrame.h"
#include "FoldVenBrowser/views/ViewHelpers.h"

CViewTreeWnd::CViewTreeWnd() : CDialog(IDD_TREE_VIEW) {}

BOOL CViewTreeWnd::OnInitDialog() {
    m_tree.SubclassDlgItem(m_hWnd, kTreeId);
    const RECT client = GetClientRect();
    OnSize(SIZE_RESTORED, client.right, client.bottom);
    return TRUE;
}

void CViewTreeWnd::OnSize(UINT, int cx, int cy) {
    using PanelFrame::kInset;
    if (HWND tree = TreeHwnd())
        ::SetWindowPos(tree, nullptr, kInset, kInset, cx - 2 * kInset, cy - 2 * kInset,
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CViewTreeWnd::OnPaint() {
    PanelFrame::PaintWindow(m_hWnd);
    return true;
}

bool CViewTreeWnd::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result) {
    if (message == WM_ERASEBKGND) {
        result = 1;  // the frame and the tree cover everything
        return true;
    }
    return false;
}

bool CViewTreeWnd::OnNotify(NMHDR* header, LRESULT& result) {
    // The tree handles its own notifications.
    return header->hwndFrom == m_tree.GetSafeHwnd() && m_tree.OnParentNotify(header, result);
}
