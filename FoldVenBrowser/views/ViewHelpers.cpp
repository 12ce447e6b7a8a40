#include "FoldVenBrowser/views/ViewHelpers.h"

#include <shellapi.h>

bool IsDialogKey(const MSG* msg) {
    return msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
}

int GetShellIconIndex(const char* path, bool folder, bool open) {
    SHFILEINFOA info{};
    UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES;
    if (open)
        flags |= SHGFI_OPENICON;
    if (!::SHGetFileInfoA(path ? path : "", folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL, &info,
                          sizeof(info), flags))
        return 0;
    return info.iIcon;
}

UINT FrameHitTest(HWND window, int x, int y, int captionHeight, bool resizable) {
    RECT rc{};
    ::GetWindowRect(window, &rc);
    return FrameHitTestRect(rc, x, y, captionHeight, resizable);
}

UINT FrameHitTestRect(const RECT& w, int x, int y, int captionHeight, bool resizable) {
    if (x >= w.left + 5 && x < w.right - 5 && y >= w.top + 5 && y < w.top + captionHeight + 5)
        return HTCAPTION;
    if (!resizable)
        return HTCLIENT;
    const bool left = x <= w.left + 10, right = x >= w.right - 10;
    const bool top = y <= w.top + 10, bottom = y >= w.bottom - 10;
    if (left && top)
        return HTTOPLEFT;
    if (right && top)
        return HTTOPRIGHT;
    if (left && bottom)
        return HTBOTTOMLEFT;
    if (right && bottom)
        return HTBOTTOMRIGHT;
    if (x <= w.left + 5)
        return HTLEFT;
    if (x >= w.right - 5)
        return HTRIGHT;
    if (y <= w.top + 5)
        return HTTOP;
    if (y >= w.bottom - 5)
        return HTBOTTOM;
    return HTCLIENT;
}
