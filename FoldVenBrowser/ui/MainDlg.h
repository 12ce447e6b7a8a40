#pragma once

#include "win/Dialog.h"

// The main window (template 102, class "FOldVenClass"). Closing it only hides it; the tray menu's
// exit command destroys it, which ends the program.
class CMainDlg : public CDialog {
public:
    CMainDlg();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
};
