#pragma once

#include <memory>

#include "win/Dialog.h"

class CMainInterWnd;
struct SearchPanelSetup;

// A panel that starts its search when the view shows it (the search panel).
class ISearchPanel {
public:
    virtual ~ISearchPanel() = default;
    virtual void StartSearch() = 0;
};

// The framed right-hand view (template 166): three panels in the same place, one shown at a time — the
// web page panel (mode 0), the search panel (mode 1) and the remote list panel (mode 3).
class CViewListRemote : public CDialog {
public:
    enum Mode { kWebPage = 0, kSearch = 1, kRemoteList = 3 };

    CViewListRemote();
    ~CViewListRemote() override;

    bool Create(HWND parent);
    // Puts the panel of a mode (kSearch or kRemoteList) into its slot. Before Create the view creates the
    // panel's window in its initialisation; afterwards at once. The view owns the panel.
    void SetPanel(int mode, std::unique_ptr<CDialog> panel);
    CDialog* GetPanelOf(int mode) const;

    int GetMode() const { return m_nMode; }
    // Hides the current panel (when the mode changes) and shows the panel of `mode`; a mode without a
    // panel shows none.
    void ShowPanel(int mode);
    // Shows the search panel and starts its search.
    void ShowSearch();
    // Gives a key message for the web page to its browser control; true when it took it.
    bool TranslateWebPageKey(MSG& msg) const;

    HWND m_pParent = nullptr;

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnPaint() override;
    bool OnButtonClick(UINT commandId) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    static int SlotOf(int mode);
    void CreatePanelWindow(CDialog& panel) const;

    static constexpr int kSlots = 3;
    std::unique_ptr<CDialog> m_panels[kSlots];
    CMainInterWnd* m_pWebPanel = nullptr;  // held in slot 0
    HBRUSH m_hWhiteBrush = nullptr;
    int m_nMode = kWebPage;
};

// Puts the search and remote list panels into a new view (before its Create). One line per panel, added
// by the work that brings the panel.
void AddListPanels(CViewListRemote& view, const SearchPanelSetup& search);
