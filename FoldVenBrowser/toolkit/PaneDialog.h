#pragma once

#include <memory>
#include <vector>

#include "FoldVenBrowser/toolkit/PaneNode.h"
#include "win/Dialog.h"

// A dialog whose client area is split into panes by a CPaneTree: the panel windows follow every resize
// and the window never shrinks below 899 x 525 or below what the panes need.
class CPaneDialog : public CDialog {
public:
    using CDialog::CDialog;

    CPaneNode* CreateNode(unsigned orientation, CPaneNode* parent, int side, bool barEnabled);
    // With a non-zero width and height the window is first moved to (0, 0) with that size.
    void AttachWindow(CPaneNode* node, HWND window, int side, int minWidth, int minHeight, int width = 0,
                      int height = 0);
    void SetPaneRect(int left, int top, int right, int bottom);
    void SetTopEdge(int top);
    void SetLeftEdge(int left);
    void SetRightMargin(int right);
    void SetBottomMargin(int bottom);
    void Relayout() { m_panes.Relayout(); }
    const CPaneTree& Panes() const { return m_panes; }

protected:
    void OnSize(UINT type, int cx, int cy) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    SIZE ClientSize() const;

    CPaneTree m_panes;
    std::vector<std::unique_ptr<IPaneWindow>> m_windows;
};
