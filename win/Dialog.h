#pragma once

#include "win/Window.h"

// Base of every dialog made from a resource template: one dispatch point decodes the messages and
// calls the typed handlers a dialog overrides.
class CDialog : public CWindow {
public:
    // The click message of skinned buttons: wParam carries the button's command value.
    static constexpr UINT kButtonClickMessage = WM_USER + 500;

    explicit CDialog(UINT templateId, HWND parent = nullptr) : m_templateId(templateId), m_hParent(parent) {}

    INT_PTR DoModal();
    bool Create(HWND parent = nullptr);  // modeless
    void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }
    bool IsModal() const { return m_modal; }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual bool OnCommand(UINT code, UINT id, HWND control);
    virtual bool OnButtonClick(UINT commandId);
    virtual bool OnNotify(NMHDR*, LRESULT&) { return false; }
    virtual bool OnTimer(UINT_PTR) { return false; }
    virtual void OnSize(UINT, int, int) {}
    virtual bool OnPaint() { return false; }
    virtual void OnDestroy() {}
    // WM_CTLCOLOR* for `control` (the dialog itself for WM_CTLCOLORDLG); a brush, or null for the default.
    virtual HBRUSH OnCtlColor(HDC, HWND, UINT) { return nullptr; }
    // Anything the typed handlers do not cover. Return true when handled, with the result in `result`.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    HWND ParentHwnd() const { return m_hParent; }
    // Re-places the dialog and its controls as if its font had the given dialog base units. Skinned
    // dialogs mix template positions with pixel positions of bitmaps; a substituted font must not pull
    // the two apart.
    void FitToBaseUnits(int baseX, int baseY) const;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    HWND m_hParent;
    bool m_modal = false;
};
