#pragma once

#include "FoldVenBrowser/views/TreeRemoteCtl.h"
#include "win/Dialog.h"

// The framed left-hand panel (template 164) that holds the folder tree, control 1018.
class CViewTreeWnd : public CDialog {
public:
    CViewTreeWnd();

    HWND TreeHwnd() const { return GetDlgItem(kTreeId); }

    static constexpr int kTreeId = 1018;

    CTreeRemoteCtl m_tree;

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnPaint() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
};
