#include "FoldVenBrowser/ui/MessageDlg.h"

#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/toolkit/Fonts.h"
#include "win/App.h"

namespace {

constexpr UINT kTextFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

CMessageDlg::CMessageDlg(HWND parent, std::string title, std::string message)
    : CSkinDialog(IDD_MESSAGE, parent, std::move(title)), m_strMessage(std::move(message)) {}

CMessageDlg::~CMessageDlg() {
    if (m_hWhiteBrush)
        ::DeleteObject(m_hWhiteBrush);
}

int CMessageDlg::HeightFor(const std::string& message) {
    // Measured with the font the message is drawn in, so the measured lines are the drawn ones.
    HDC screen = ::GetDC(nullptr);
    HFONT font = Fonts::CreateGulim(-12, false);
    HGDIOBJ old = ::SelectObject(screen, font);
    RECT measured{0, 0, kMeasureWidth, 0};
    ::DrawTextA(screen, message.c_str(), static_cast<int>(message.size()), &measured,
                kTextFormat | DT_CALCRECT);
    ::SelectObject(screen, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, screen);
    return (measured.bottom - measured.top) + 87;
}

BOOL CMessageDlg::OnInitDialog() {
    m_hWhiteBrush = ::CreateSolidBrush(RGB(255, 255, 255));
    const int height = HeightFor(m_strMessage);
    HWND centreOn = CApp::Get() ? CApp::Get()->GetMainWnd() : nullptr;
    RECT around{};
    if (centreOn && ::IsWindowVisible(centreOn))
        ::GetWindowRect(centreOn, &around);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &around, 0);
    // The dialog has no border: its window size is its client size.
    const int x = around.left + ((around.right - around.left) - kWidth) / 2;
    const int y = around.top + ((around.bottom - around.top) - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, kWidth, height, SWP_NOZORDER | SWP_NOACTIVATE);
    CSkinDialog::OnInitDialog();
    const RECT client = GetClientRect();
    m_messageRect = RECT{29, 58, client.right - 14, client.bottom - 14};
    ::CreateWindowExA(
        0, "STATIC", m_strMessage.c_str(), WS_CHILD | SS_NOPREFIX, m_messageRect.left, m_messageRect.top,
        m_messageRect.right - m_messageRect.left, m_messageRect.bottom - m_messageRect.top, m_hWnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextControlId)), ::GetModuleHandleA(nullptr), nullptr);
    return TRUE;
}

void CMessageDlg::PaintContents(HDC dc) {
    const RECT client = GetClientRect();
    RECT panel{14, 43, client.right - 14, client.bottom - 14};
    ::FillRect(dc, &panel, m_hWhiteBrush);
    HFONT font = Fonts::CreateGulim(-12, false);
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, font);
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    RECT text = m_messageRect;
    ::DrawTextA(dc, m_strMessage.c_str(), static_cast<int>(m_strMessage.size()), &text, kTextFormat);
    ::RestoreDC(dc, saved);
    ::DeleteObject(font);
}

HBRUSH CMessageDlg::OnCtlColor(HDC dc, HWND, UINT message) {
    if (message != WM_CTLCOLORDLG)
        return nullptr;
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::SetBkMode(dc, TRANSPARENT);
    return m_hWhiteBrush;
}

void ShowMessage(HWND parent, const std::string& text) {
    CMessageDlg dialog(parent, "", text);
    dialog.DoModal();
}
