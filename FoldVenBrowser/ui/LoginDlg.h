#pragma once

#include <memory>
#include <string>
#include <vector>

#include "FoldVenBrowser/toolkit/ColorCheckBox.h"
#include "FoldVenBrowser/toolkit/ColorLabel.h"
#include "FoldVenBrowser/toolkit/SkinButton.h"
#include "win/Dialog.h"

class CBrowserSettings;
class IAppServices;

// The login dialog (template 131): ID and password, "아이디 저장" and "자동으로 로그인하기", two notice
// lines from the service, and links to the ID and password search pages. It ends with OK only after the
// application's Login has succeeded.
class CLoginDlg : public CDialog {
public:
    // Command values of the skinned buttons.
    enum Command { kOk = IDOK, kCancel = IDCANCEL, kIdSearch = 100, kPasswordSearch = 101 };

    CLoginDlg(IAppServices& app, HWND parent);
    ~CLoginDlg() override;

    // The check boxes' choices, as the application saves them after a successful login.
    void CopyOptionsInto(CBrowserSettings& settings) const;

    std::string m_strId;
    std::string m_strPassword;
    std::string m_strNoticeReply;
    std::string m_strNoticeIndex1;
    std::string m_strNoticeIndex2;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnButtonClick(UINT commandId) override;
    bool OnPaint() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void CreateButtons();
    // The notices' reply, from their fetch.
    static void OnNoticeReply(void* dialog, const std::string& reply);
    void ShowNotices();
    static void OpenPage(const std::string& address);

    IAppServices& m_app;
    CColorCheckBox m_saveIdBox;
    CColorCheckBox m_autoLoginBox;
    CColorLabel m_eventLabel;
    CColorLabel m_noticeLabel1;
    CColorLabel m_noticeLabel2;
    std::vector<std::unique_ptr<CSkinButton>> m_buttons;
    HFONT m_hTextFont = nullptr;
    bool m_bLoginRunning = false;
};
