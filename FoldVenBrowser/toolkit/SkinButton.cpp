#include "FoldVenBrowser/toolkit/SkinButton.h"

#include <commctrl.h>

#include "FoldVenBrowser/toolkit/BitmapDraw.h"

namespace {

// The four looks loaded from resources: the button adopts those of its own size and copies the others,
// which go with this object.
class CLoadedLooks {
public:
    CLoadedLooks(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId)
        : m_bitmaps{BitmapDraw::LoadResourceBitmap(normalId), BitmapDraw::LoadResourceBitmap(hoverId),
                    BitmapDraw::LoadResourceBitmap(pressedId), BitmapDraw::LoadResourceBitmap(disabledId)} {}
    ~CLoadedLooks() {
        for (HBITMAP bitmap : m_bitmaps) {
            if (bitmap)
                ::DeleteObject(bitmap);
        }
    }
    CLoadedLooks(const CLoadedLooks&) = delete;
    CLoadedLooks& operator=(const CLoadedLooks&) = delete;
    HBITMAP (&Bitmaps())[4] { return m_bitmaps; }

private:
    HBITMAP m_bitmaps[4];
};

}  // namespace

CSkinButton* CSkinButton::CreateButton(HWND owner, int x, int y, int command, UINT normalId, UINT hoverId,
                                       UINT pressedId, UINT disabledId) {
    auto* button = new CSkinButton;
    if (!button->Create(owner, x, y, command, normalId, hoverId, pressedId, disabledId)) {
        delete button;
        return nullptr;
    }
    return button;
}

CSkinButton::~CSkinButton() {
    HWND hwnd = m_hWnd;
    Unsubclass();
    if (hwnd && ::IsWindow(hwnd))
        ::DestroyWindow(hwnd);
    FreeBitmaps();
}

bool CSkinButton::Create(HWND owner, int x, int y, int command, UINT normalId, UINT hoverId, UINT pressedId,
                         UINT disabledId) {
    CLoadedLooks looks(normalId, hoverId, pressedId, disabledId);
    return CreateWith(owner, x, y, command, looks.Bitmaps(), true);
}

bool CSkinButton::Create(HWND owner, int x, int y, int command, HBITMAP normal, HBITMAP hover,
                         HBITMAP pressed, HBITMAP disabled) {
    HBITMAP looks[kLooks] = {normal, hover, pressed, disabled};
    return CreateWith(owner, x, y, command, looks, false);
}

bool CSkinButton::CreateWith(HWND owner, int x, int y, int command, HBITMAP (&looks)[kLooks], bool adopt) {
    const SIZE size = BitmapDraw::BitmapSize(looks[kNormal]);
    if (m_hWnd || !owner || size.cx <= 0 || size.cy <= 0)
        return false;
    m_hOwner = owner;
    m_command = command;
    m_width = size.cx;
    m_height = size.cy;
    HWND hwnd = ::CreateWindowExA(0, "BUTTON", "",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, x,
                                  y, m_width, m_height, owner, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        return false;
    TakeBitmaps(looks, adopt);
    if (!Subclass(hwnd)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    const LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    ::SetWindowLongPtrA(hwnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(WS_BORDER)) | WS_TABSTOP);
    ::SetWindowPos(hwnd, nullptr, x, y, m_width, m_height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

void CSkinButton::SetBitmaps(UINT normalId, UINT hoverId, UINT pressedId, UINT disabledId) {
    CLoadedLooks looks(normalId, hoverId, pressedId, disabledId);
    FreeBitmaps();
    TakeBitmaps(looks.Bitmaps(), true);
    Repaint();
}

void CSkinButton::TakeBitmaps(HBITMAP (&looks)[kLooks], bool adopt) {
    // A copy costs a screen device context and a blit per look (~0.6 ms under Wine); a look loaded for this
    // button alone and already of its size is taken over as it is.
    for (int i = 0; i < kLooks; ++i) {
        const SIZE size = BitmapDraw::BitmapSize(looks[i]);
        if (adopt && looks[i] && size.cx == m_width && size.cy == m_height) {
            m_bitmaps[i] = looks[i];
            looks[i] = nullptr;
        } else {
            m_bitmaps[i] = BitmapDraw::Copy(looks[i], m_width, m_height);
        }
    }
}

void CSkinButton::FreeBitmaps() {
    for (HBITMAP& bitmap : m_bitmaps) {
        if (bitmap)
            ::DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

void CSkinButton::OnSubclassed() {
    const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        m_hover = true;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE,
                        (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW | WS_TABSTOP);
    m_cursor.Load();
}

void CSkinButton::SetToolTip(const char* text, bool activate) {
    if (!text || !m_hWnd)
        return;
    if (::GetWindowTextLengthA(m_hWnd) == 0)
        ::SetWindowTextA(m_hWnd, text);
    if (!m_hToolTip) {
        m_hToolTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd,
                                       nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (!m_hToolTip)
            return;
    }
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = m_hWnd;
    tool.uId = 1;
    tool.hinst = ::GetModuleHandleA(nullptr);
    tool.lpszText = const_cast<char*>(text);
    ::GetClientRect(m_hWnd, &tool.rect);
    if (::SendMessageA(m_hToolTip, TTM_GETTOOLCOUNT, 0, 0) == 0)
        ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    else
        ::SendMessageA(m_hToolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageA(m_hToolTip, TTM_ACTIVATE, activate ? TRUE : FALSE, 0);
}

void CSkinButton::SetSelected(bool selected) {
    if (selected == m_selected)
        return;
    m_selected = selected;
    Repaint();
}

void CSkinButton::MoveTo(int x, int y) const {
    // Drawn anew where it lands, never from pixels copied along (they may hold a moved sibling's).
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void CSkinButton::Draw(const DRAWITEMSTRUCT& item) const {
    Look look = kNormal;
    if ((m_sticky && m_selected) || (m_selected && !m_hover) || (item.itemState & ODS_SELECTED))
        look = kPressed;
    else if (m_hover)
        look = kHover;
    else if (item.itemState & ODS_DISABLED)
        look = kDisabled;
    if (m_bitmaps[look])
        BitmapDraw::DrawTransparent(item.hDC, m_bitmaps[look], item.rcItem.left, item.rcItem.top);
    // The system's dotted mark, shown once the user works with the keyboard (as on system buttons).
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT mark = item.rcItem;
        ::InflateRect(&mark, -2, -2);
        ::SetTextColor(item.hDC, RGB(0, 0, 0));
        ::SetBkColor(item.hDC, RGB(255, 255, 255));
        ::DrawFocusRect(item.hDC, &mark);
    }
}

void CSkinButton::OnMouseMove(WPARAM keys) {
    if ((keys & MK_LBUTTON) && !m_hover)
        return;
    if (::GetCapture() != m_hWnd) {
        if (::GetActiveWindow() && ::GetParent(m_hWnd)) {
            m_hover = true;
            ::SetCapture(m_hWnd);
            Repaint();
        }
        return;
    }
    POINT point;
    ::GetCursorPos(&point);
    if (::WindowFromPoint(point) != m_hWnd) {
        m_hover = false;
        Repaint();
        if (!(keys & MK_LBUTTON))
            ::ReleaseCapture();
    }
}

LRESULT CSkinButton::OnLeftButtonUp(WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const RECT client = GetClientRect();
    if (::PtInRect(&client, point) && !Click())
        return 0;
    return Default(WM_LBUTTONUP, wParam, lParam);
}

bool CSkinButton::Click() {
    HWND hwnd = m_hWnd;
    if (m_sticky)
        m_selected = true;
    m_hover = false;
    Repaint();
    // The owner may close its window, and with it this button, while it handles the click.
    ::SendMessageA(m_hOwner, kClickMessage, static_cast<WPARAM>(m_command), reinterpret_cast<LPARAM>(hwnd));
    return ::IsWindow(hwnd) != FALSE;
}

// Space presses while held and clicks when let go; Enter clicks at once. The button class alone would
// tell its parent with WM_COMMAND, which the owner does not read.
bool CSkinButton::OnKey(UINT message, WPARAM key, LPARAM lParam) {
    if (message == WM_KEYDOWN && key == VK_SPACE) {
        if (!(lParam & 0x40000000))  // not a repeat
            ::SendMessageA(m_hWnd, BM_SETSTATE, TRUE, 0);
        return true;
    }
    if (message == WM_KEYUP && key == VK_SPACE) {
        const bool pressed = (::SendMessageA(m_hWnd, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        ::SendMessageA(m_hWnd, BM_SETSTATE, FALSE, 0);
        if (pressed)
            Click();
        return true;
    }
    if (message == WM_KEYDOWN && key == VK_RETURN) {
        Click();
        return true;
    }
    // The characters of these keys would only beep.
    return message == WM_CHAR && (key == ' ' || key == '\r');
}

// Enter reaches the button instead of pressing the dialog's default button.
LRESULT CSkinButton::OnGetDlgCode(WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    const LRESULT code = Default(WM_GETDLGCODE, wParam, lParam);
    const bool enter =
        msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) && msg->wParam == VK_RETURN;
    return enter ? code | DLGC_WANTMESSAGE : code;
}

LRESULT CSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kReflectBase + WM_DRAWITEM:
            Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_MOUSEMOVE:
            OnMouseMove(wParam);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (m_sticky)
                return 0;
            Default(WM_LBUTTONDOWN, wParam, lParam);
            ::SendMessageA(m_hWnd, BM_SETSTATE, TRUE, 0);
            return 0;
        case WM_LBUTTONUP:
            return OnLeftButtonUp(wParam, lParam);
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            if (OnKey(message, wParam, lParam))
                return 0;
            break;
        case WM_GETDLGCODE:
            return OnGetDlgCode(wParam, lParam);
        case WM_KILLFOCUS:
            m_hover = false;
            Repaint();
            break;
        case WM_CAPTURECHANGED:
            // Another window took the mouse (a dialog opened by the click): the hover look goes too.
            if (m_hover && reinterpret_cast<HWND>(lParam) != m_hWnd) {
                m_hover = false;
                Repaint();
            }
            break;
        case WM_SETCURSOR:
            if (m_cursor.Get()) {
                ::SetCursor(m_cursor.Get());
                return TRUE;
            }
            break;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_DESTROY:
            if (m_hToolTip) {
                ::DestroyWindow(m_hToolTip);
                m_hToolTip = nullptr;
            }
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
