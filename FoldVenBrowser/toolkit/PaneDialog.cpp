#include "FoldVenBrowser/toolkit/PaneDialog.h"

namespace {

// A panel window as the pane tree sees it.
class CPaneWindow : public IPaneWindow {
public:
    explicit CPaneWindow(HWND hwnd) : m_hWnd(hwnd) {}
    int CurrentWidth() const override { return Rect().right - Rect().left; }
    int CurrentHeight() const override { return Rect().bottom - Rect().top; }
    void MoveTo(int x, int y, int width, int height) override {
        ::SetWindowPos(m_hWnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    }

private:
    RECT Rect() const {
        RECT rc{};
        ::GetWindowRect(m_hWnd, &rc);
        return rc;
    }
    HWND m_hWnd;
};

}  // namespace

SIZE CPaneDialog::ClientSize() const {
    const RECT client = GetClientRect();
    return SIZE{client.right, client.bottom};
}

CPaneNode* CPaneDialog::CreateNode(unsigned orientation, CPaneNode* parent, int side, bool barEnabled) {
    const SIZE client = ClientSize();
    return m_panes.CreateNode(orientation, parent, side, barEnabled, client.cx, client.cy);
}

void CPaneDialog::AttachWindow(CPaneNode* node, HWND window, int side, int minWidth, int minHeight, int width,
                               int height) {
    if (width && height)
        ::SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    m_windows.push_back(std::make_unique<CPaneWindow>(window));
    CPaneTree::AttachWindow(node, m_windows.back().get(), side, minWidth, minHeight);
}

void CPaneDialog::SetPaneRect(int left, int top, int right, int bottom) {
    const SIZE client = ClientSize();
    m_panes.SetPaneRect(PaneRect{left, top, right, bottom}, client.cx, client.cy);
}

void CPaneDialog::SetTopEdge(int top) {
    const SIZE client = ClientSize();
    m_panes.SetTopEdge(top, client.cx, client.cy);
}

void CPaneDialog::SetLeftEdge(int left) {
    const SIZE client = ClientSize();
    m_panes.SetLeftEdge(left, client.cx, client.cy);
}

void CPaneDialog::SetRightMargin(int right) {
    const SIZE client = ClientSize();
    m_panes.SetRightMargin(right, client.cx, client.cy);
}

void CPaneDialog::SetBottomMargin(int bottom) {
    const SIZE client = ClientSize();
    m_panes.SetBottomMargin(bottom, client.cx, client.cy);
}

void CPaneDialog::OnSize(UINT type, int cx, int cy) {
    if (type != SIZE_MINIMIZED)
        m_panes.OnSize(cx, cy);
}

bool CPaneDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
    if (message != WM_SIZING)
        return false;
    auto* rect = reinterpret_cast<RECT*>(lParam);
    PaneRect proposed{rect->left, rect->top, rect->right, rect->bottom};
    m_panes.AdjustSizing(static_cast<int>(wParam), proposed);
    *rect = RECT{proposed.left, proposed.top, proposed.right, proposed.bottom};
    return false;  // the default processing follows
}
