#pragma once

#include <memory>
#include <string>

#include "win/Dialog.h"

class CWebBrowser2;

// The web page panel (template 165): the service's main page "/Main.aspx" of the API host in a web
// browser control. Where the system has no web engine it shows a plain page naming that address.
class CMainInterWnd : public CDialog {
public:
    CMainInterWnd();
    ~CMainInterWnd() override;

    static std::string MainPageAddress();
    bool HasBrowser() const { return m_browser != nullptr; }

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnPaint() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void PaintPlainPage(HDC dc) const;

    std::unique_ptr<CWebBrowser2> m_browser;
    std::string m_address;
};
