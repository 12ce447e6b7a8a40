#include "FoldVenBrowser/ui/LoginDlg.h"

#include "FoldVenBrowser/app/BrowserApp.h"
#include "FoldVenBrowser/res/resource.h"

CLoginDlg::CLoginDlg(HWND parent) : CDialog(IDD_LOGIN, parent) {
    const CBrowserSettings& settings = CBrowserApp::Get()->m_settings;
    if (settings.bSaveID) m_strId = settings.strSaveID;
    if (settings.bKeepPassword && !settings.UserPW.empty()) m_strPassword = settings.UserPW;
}

void CLoginDlg::CopyOptionsInto(CBrowserSettings& settings) const {
    const bool autoLogin = ::IsDlgButtonChecked(m_hWnd, IDC_LOGIN_AUTO) == BST_CHECKED;
    const std::string id = GetDlgItemText(IDC_LOGIN_ID);
    if (autoLogin) {
        settings.bSaveID = 1;
        settings.strSaveID = id;
        settings.bKeepPassword = 1;
        settings.UserPW = GetDlgItemText(IDC_LOGIN_PASSWORD);
        return;
    }
    settings.bSaveID = ::IsDlgButtonChecked(m_hWnd, IDC_LOGIN_SAVE_ID) == BST_CHECKED ? 1 : 0;
    if (settings.bSaveID) settings.strSaveID = id;
}

BOOL CLoginDlg::OnInitDialog() {
    CBrowserApp* app = CBrowserApp::Get();
    app->SetMainWnd(nullptr);
    SetText(LoadResString(IDS_APP_TITLE));
    SetDlgItemText(IDC_LOGIN_ID, m_strId);
    SetDlgItemText(IDC_LOGIN_PASSWORD, m_strPassword);
    ::CheckDlgButton(m_hWnd, IDC_LOGIN_SAVE_ID, app->m_settings.bSaveID ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_LOGIN_EVENT, "진행중인 이벤트가 없습니다.");
    return TRUE;
}

void CLoginDlg::OnOK() {
    CBrowserApp* app = CBrowserApp::Get();
    if (app->m_bLoggedIn) {
        EndDialog(IDOK);
        return;
    }
    m_strId = GetDlgItemText(IDC_LOGIN_ID);
    m_strPassword = GetDlgItemText(IDC_LOGIN_PASSWORD);
    if (m_strId.empty() || m_strPassword.empty()) return;
    if (app->Login(m_strId, m_strPassword)) app->CommitLoginOptions();
}
