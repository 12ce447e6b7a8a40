#pragma once

#include "win/Window.h"

// A control of someone else's class (often from a dialog template) whose messages pass through this
// object first. The dialog base reflects WM_DRAWITEM and WM_COMMAND to its controls as
// kReflectBase + message, so a control can draw and watch itself.
class CSubclassWindow : public CWindow {
public:
    static constexpr UINT kReflectBase = 0x2000;

    CSubclassWindow() = default;
    CSubclassWindow(const CSubclassWindow&) = delete;
    CSubclassWindow& operator=(const CSubclassWindow&) = delete;
    ~CSubclassWindow() override { Unsubclass(); }

    bool Subclass(HWND hwnd);
    bool SubclassDlgItem(HWND dialog, int id) { return Subclass(::GetDlgItem(dialog, id)); }
    void Unsubclass();

protected:
    // Called once the window is subclassed.
    virtual void OnSubclassed() {}
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
        return Default(message, wParam, lParam);
    }
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
};
