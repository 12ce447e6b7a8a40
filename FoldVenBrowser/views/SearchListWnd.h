#pragma once

#include <memory>

#include "FoldVenBrowser/views/SearchListCtl.h"
#include "FoldVenBrowser/views/SearchResults.h"
#include "FoldVenBrowser/views/ViewListRemote.h"
#include "win/Dialog.h"

struct CSessionInfo;

// The search panel (template 124): the result list filling the panel, on white.
class CSearchListWnd : public CDialog, public ISearchPanel {
public:
    static constexpr UINT kTemplateId = 124;

    CSearchListWnd();
    ~CSearchListWnd() override;

    // The container whose keyword and category a search uses and whose current job it records; the main
    // window's unless set.
    void SetResults(const std::shared_ptr<CSearchResults>& results) { m_results = results; }
    // Empties the list and starts a search for the container's keyword; an older search still running
    // no longer delivers rows here.
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
};
