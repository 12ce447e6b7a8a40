#pragma once

#include <memory>
#include <string>

#include "FoldVenBrowser/app/PageRefreshGate.h"
#include "FoldVenBrowser/web/ControlSite.h"
#include "win/Dialog.h"

class CWebBrowser2;

// The web page panel (template 165): the service's main page "/Main.aspx" of the API host in the web
// browser control. Where the system cannot render pages it shows a plain page naming that address.
class CMainInterWnd : public CDialog, public IBrowserEvents {
public:
    CMainInterWnd();
    ~CMainInterWnd() override;

    static std::string MainPageAddress();
    bool HasBrowser() const;
    // Gives a key message for a window of the page to the browser control; true when it took it.
    bool TranslatePageKey(MSG& msg) const;

    // IBrowserEvents
    void OnDocumentComplete(IDispatch* frame) override;
    void OnDownloadComplete() override;

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnPaint() override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void HideScrollBars();
    void PaintPlainPage(HDC dc) const;

    std::unique_ptr<CWebBrowser2> m_browser;
    CPageRefreshGate m_refreshGate;
    std::string m_address;
};
