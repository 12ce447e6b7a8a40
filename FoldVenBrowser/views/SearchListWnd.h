#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "FoldVenBrowser/views/SearchListCtl.h"
#include "FoldVenBrowser/views/SearchResults.h"
#include "FoldVenBrowser/views/ViewListRemote.h"
#include "win/Dialog.h"

struct CSessionInfo;

// What the window that makes the search panel hands it: the display's colour flag and the common
// controls' version for the list, the account searches go out with, and the result container whose
// keyword and category a search uses. A panel made without them gets a common modern display, no
// account and no container until SetResults.
struct SearchPanelSetup {
    UINT colorFlag = ILC_COLOR32;
    DWORD comCtlVersion = 0x60000;
    const CSessionInfo* session = nullptr;
    std::shared_ptr<CSearchResults> results;
};

// The search panel (template 124): the result list filling the panel, on white.
class CSearchListWnd : public CDialog, public ISearchPanel {
public:
    static constexpr UINT kTemplateId = 124;

    CSearchListWnd() : CSearchListWnd(SearchPanelSetup()) {}
    explicit CSearchListWnd(const SearchPanelSetup& setup);
    ~CSearchListWnd() override;

    // The container whose keyword and category a search uses and whose current job it records.
    void SetResults(const std::shared_ptr<CSearchResults>& results) { m_results = results; }
    // Empties the list and starts a search for the container's keyword with the account handed to the
    // panel; an older search still running no longer delivers rows here.
    void StartSearch() override;
    void StartSearch(const CSessionInfo& session);

    CSearchListCtl& GetList() { return m_list; }

protected:
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    void OnDestroy() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    CSearchListCtl m_list;
    HBRUSH m_whiteBrush;
    std::shared_ptr<CSearchResults> m_results;
    const CSessionInfo* m_pSession;
};
