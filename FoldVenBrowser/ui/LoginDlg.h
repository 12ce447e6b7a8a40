#pragma once

#include <string>

#include "win/Dialog.h"

class CBrowserSettings;

// The login dialog (template 131): ID and password, "아이디 저장" and "자동으로 로그인하기".
class CLoginDlg : public CDialog {
public:
    explicit CLoginDlg(HWND parent);

    // The check boxes' choices, as the application saves them after a successful login.
    void CopyOptionsInto(CBrowserSettings& settings) const;

    std::string m_strId;
    std::string m_strPassword;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};
