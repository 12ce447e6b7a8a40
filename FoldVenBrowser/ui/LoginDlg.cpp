#include "FoldVenBrowser/ui/LoginDlg.h"

#include <shellapi.h>

#include "FoldVenBrowser/app/BrowserSettings.h"
#include "FoldVenBrowser/app/Notices.h"
#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/toolkit/Fonts.h"
#include "FoldVenBrowser/toolkit/ResString.h"
#include "FoldVenBrowser/ui/AppServices.h"
#include "FoldVenBrowser/ui/MessageDlg.h"
#include "FoldVenBrowser/ui/NoticeFetch.h"
#include "net/ServiceHosts.h"
#include "win/App.h"

namespace {

const COLORREF kBackground = RGB(239, 239, 239);
const COLORREF kLabelText = RGB(75, 75, 75);

struct ButtonLayout {
    int x, y, command;
    UINT normal, hover, pressed, disabled;
    const char* label;
};

const ButtonLayout kButtons[] = {
    {109, 223, CLoginDlg::kOk, IDB_LOGIN_OK, IDB_LOGIN_OK_HOVER, IDB_LOGIN_OK_PRESSED, IDB_LOGIN_OK,
     "로그인"},
    {200, 223, CLoginDlg::kCancel, IDB_LOGIN_CANCEL, IDB_LOGIN_CANCEL_HOVER, IDB_LOGIN_CANCEL_PRESSED,
     IDB_LOGIN_CANCEL, "취소"},
    {255, 255, CLoginDlg::kIdSearch, IDB_LOGIN_ID_SEARCH, IDB_LOGIN_ID_SEARCH, IDB_LOGIN_ID_SEARCH,
     IDB_LOGIN_ID_SEARCH, "아이디 찾기"},
    {315, 255, CLoginDlg::kPasswordSearch, IDB_LOGIN_PASSWORD_SEARCH, IDB_LOGIN_PASSWORD_SEARCH,
     IDB_LOGIN_PASSWORD_SEARCH, IDB_LOGIN_PASSWORD_SEARCH, "비밀번호 찾기"},
};

}  // namespace

CLoginDlg::CLoginDlg(IAppServices& app, HWND parent) : CDialog(IDD_LOGIN, parent), m_app(app) {
    const CBrowserSettings& settings = m_app.Settings();
    if (settings.bSaveID)
        m_strId = settings.strSaveID;
    if (settings.bKeepPassword && !settings.UserPW.empty())
        m_strPassword = settings.UserPW;
}

CLoginDlg::~CLoginDlg() {
    m_buttons.clear();
    if (m_hTextFont)
        ::DeleteObject(m_hTextFont);
}

void CLoginDlg::CopyOptionsInto(CBrowserSettings& settings) const {
    const std::string id = GetDlgItemText(IDC_LOGIN_ID);
    if (m_autoLoginBox.GetCheck()) {
        settings.bSaveID = 1;
        settings.strSaveID = id;
        settings.bKeepPassword = 1;
        settings.UserPW = GetDlgItemText(IDC_LOGIN_PASSWORD);
        return;
    }
    settings.bSaveID = m_saveIdBox.GetCheck() ? 1 : 0;
    if (settings.bSaveID)
        settings.strSaveID = id;
    // The box shows the saved choice: left unchecked, automatic login is no longer wanted, and a saved
    // password kept on would be tried (and fail, once out of date) at every start.
    settings.bKeepPassword = 0;
}

BOOL CLoginDlg::OnInitDialog() {
    if (CApp* app = CApp::Get())
        app->SetMainWnd(nullptr);  // closing this dialog must not end the application by itself

    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, ::GetWindowLongPtrA(m_hWnd, GWL_STYLE) | WS_SYSMENU);
    SetText(LoadResString(IDS_APP_TITLE));
    FitToBaseUnits(6, 13);  // the pixel positions of the skin assume these units
    HICON icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_LOGIN));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    m_hTextFont = Fonts::CreateGulim(-12, false);

    SetDlgItemText(IDC_LOGIN_ID, m_strId);
    SetDlgItemText(IDC_LOGIN_PASSWORD, m_strPassword);
    CreateButtons();

    m_saveIdBox.SubclassDlgItem(m_hWnd, IDC_LOGIN_SAVE_ID);
    m_autoLoginBox.SubclassDlgItem(m_hWnd, IDC_LOGIN_AUTO);
    m_saveIdBox.SetBkColor(kBackground);
    m_autoLoginBox.SetBkColor(kBackground);
    m_saveIdBox.SetCheck(m_app.Settings().bSaveID != 0);
    m_autoLoginBox.SetCheck(m_app.Settings().bKeepPassword != 0);

    m_eventLabel.SubclassDlgItem(m_hWnd, IDC_LOGIN_EVENT);
    m_noticeLabel1.SubclassDlgItem(m_hWnd, IDC_LOGIN_NOTICE1);
    m_noticeLabel2.SubclassDlgItem(m_hWnd, IDC_LOGIN_NOTICE2);
    m_eventLabel.SetBkColor(kBackground);
    m_noticeLabel1.SetBkColor(RGB(255, 255, 255));
    m_noticeLabel2.SetBkColor(RGB(255, 255, 255));
    for (CColorLabel* label : {&m_eventLabel, &m_noticeLabel1, &m_noticeLabel2}) {
        label->SetTextColor(kLabelText);
        label->SetUnderline(false);
    }
    m_eventLabel.SetText("진행중인 이벤트가 없습니다.");

    // The notices come when they come: the dialog does not wait for them.
    StartNoticeFetch(m_hWnd, &CLoginDlg::OnNoticeReply, this);
    return TRUE;
}

void CLoginDlg::CreateButtons() {
    for (const ButtonLayout& layout : kButtons) {
        std::unique_ptr<CSkinButton> button(
            CSkinButton::CreateButton(m_hWnd, layout.x, layout.y, layout.command, layout.normal, layout.hover,
                                      layout.pressed, layout.disabled));
        if (!button)
            continue;
        button->SetText(layout.label);
        m_buttons.push_back(std::move(button));
    }
}

void CLoginDlg::OnNoticeReply(void* dialog, const std::string& reply) {
    auto* self = static_cast<CLoginDlg*>(dialog);
    self->m_strNoticeReply = reply;
    self->ShowNotices();
}

void CLoginDlg::ShowNotices() {
    const NoticeLines lines = ParseNoticeReply(m_strNoticeReply);
    m_strNoticeIndex1 = lines.firstIndex;
    m_strNoticeIndex2 = lines.secondIndex;
    m_noticeLabel1.SetText(lines.firstTitle);
    m_noticeLabel2.SetText(lines.secondTitle);
}

void CLoginDlg::OnOK() {
    // Login marks the application logged in before its request has answered, and the failure's message
    // box dispatches this dialog's input: an OK pressed meanwhile must not end the dialog as a success.
    if (m_bLoginRunning)
        return;
    if (m_app.IsLoggedIn()) {
        EndDialog(IDOK);
        return;
    }
    m_strId = GetDlgItemText(IDC_LOGIN_ID);
    m_strPassword = GetDlgItemText(IDC_LOGIN_PASSWORD);
    if (m_strId.empty()) {
        ShowMessage(m_hWnd, LoadResString(IDS_EMPTY_ID));
        return;
    }
    if (m_strPassword.empty()) {
        ShowMessage(m_hWnd, LoadResString(IDS_EMPTY_PASSWORD));
        return;
    }
    // On success Login saves the options and posts OK back, which ends the dialog above.
    m_bLoginRunning = true;
    m_app.Login(m_strId, m_strPassword);
    m_bLoginRunning = false;
}

bool CLoginDlg::OnButtonClick(UINT commandId) {
    switch (commandId) {
        case kOk:
            OnOK();
            return true;
        case kCancel:
            OnCancel();
            return true;
        case kIdSearch:
            OpenPage(LoginPages::IdSearch(ServiceHosts::WebHost()));
            return true;
        case kPasswordSearch:
            OpenPage(LoginPages::PasswordSearch(ServiceHosts::WebHost()));
            return true;
        default:
            return false;
    }
}

bool CLoginDlg::OnCommand(UINT code, UINT id, HWND control) {
    if (code == STN_CLICKED && (id == IDC_LOGIN_NOTICE1 || id == IDC_LOGIN_NOTICE2)) {
        const std::string& index = id == IDC_LOGIN_NOTICE1 ? m_strNoticeIndex1 : m_strNoticeIndex2;
        if (!index.empty())
            OpenPage(LoginPages::Notice(ServiceHosts::WebHost(), index));
        return true;
    }
    return CDialog::OnCommand(code, id, control);
}

void CLoginDlg::OpenPage(const std::string& address) {
    ::ShellExecuteA(nullptr, "open", "iexplore.exe", address.c_str(), nullptr, SW_SHOWNORMAL);
}

bool CLoginDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
        case WM_NCHITTEST:
            result = HTCAPTION;
            return true;
        case WM_SHOWWINDOW:
            // The first field still to be filled in takes the focus.
            if (wParam && (m_strId.empty() || m_strPassword.empty())) {
                HWND field = GetDlgItem(m_strId.empty() ? IDC_LOGIN_ID : IDC_LOGIN_PASSWORD);
                ::PostMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
            }
            return false;
        case WM_ERASEBKGND:
            result = TRUE;  // OnPaint fills the whole client area
            return true;
        default:
            return false;
    }
}

bool CLoginDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    const RECT client = GetClientRect();
    HBRUSH background = ::CreateSolidBrush(kBackground);
    ::FillRect(dc, &client, background);
    ::DeleteObject(background);

    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, m_hTextFont);
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    RECT idText{42, 158, 270, 170};
    ::DrawTextA(dc, "아이디", -1, &idText, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    RECT passwordText{42, 186, 270, 198};
    ::DrawTextA(dc, "비밀번호", -1, &passwordText, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    ::RestoreDC(dc, saved);

    HBRUSH shadow = ::CreateSolidBrush(RGB(190, 190, 190));
    HBRUSH light = ::CreateSolidBrush(RGB(255, 255, 255));
    for (int y : {211, 251}) {
        RECT line{13, y, client.right - 13, y + 1};
        ::FillRect(dc, &line, shadow);
        ::OffsetRect(&line, 0, 1);
        ::FillRect(dc, &line, light);
    }
    ::DeleteObject(shadow);
    ::DeleteObject(light);
    ::EndPaint(m_hWnd, &paint);
    return true;
}
