#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "FoldVenBrowser/app/MainLabels.h"
#include "FoldVenBrowser/toolkit/ColorLabel.h"
#include "FoldVenBrowser/toolkit/FlatComboBox.h"
#include "FoldVenBrowser/toolkit/PaneDialog.h"
#include "FoldVenBrowser/toolkit/SkinButton.h"
#include "FoldVenBrowser/toolkit/SystemTray.h"
#include "FoldVenBrowser/views/SearchResults.h"
#include "win/App.h"

class CDownloadHandOff;
class IAppServices;
class CMainBrowseHost;
class CRemoteExplorer;
class CRemoteListCtrl;
class CRemoteLocation;
class CTreeRemoteCtl;
class CViewListRemote;
class CViewTreeWnd;

// The main window (template 102, class "FOldVenClass"): a skinned, caption-less, resizable dialog with
// the page buttons, the search field, the folder tree on the left and the right-hand view, and the
// balance and download folder in its bottom band. Closing it only hides it to the tray; the tray
// menu's exit command destroys it, which ends the program.
class CMainDlg : public CPaneDialog, public ILoopMessageFilter {
public:
    // Command values of the skinned buttons (sent with the click message).
    enum Command {
        kCharge = 10,
        kDownload = 11,
        kSettings = 12,
        kMemo = 13,
        kSearch = 14,
        kChangeFolder = 15,
        kRefreshBalance = 16,
        kRefreshLink = 17,
        kMinimize = 100,
        kMaximize = 101,
        kToTray = 102,
    };
    static constexpr UINT kTrayMessage = WM_USER + 1002;      // 2026
    static constexpr UINT kTrayMenuMessage = WM_USER + 1003;  // 2027
    static constexpr UINT kTrayIconId = 130;
    static constexpr int kMinWidth = 899;
    static constexpr int kMinHeight = 525;
    static constexpr int kCaptionHeight = 80;
    enum Panel { kListPanel = 0, kTreePanel = 1 };

    // The application hands itself: the settings, the session and what it found out about the display.
    explicit CMainDlg(IAppServices& app);
    ~CMainDlg() override;

    // Tray icon, panels, buttons, panes and the catalogue; called once right after Create.
    void SetUp();

    // ---- Panels (the windows are created on first use) ----
    CDialog* GetPanel(int index);
    CViewListRemote* GetListView();
    CViewTreeWnd* GetTreeView();
    CTreeRemoteCtl* GetTreeCtrl();
    CRemoteListCtrl* GetListCtrl();
    CRemoteExplorer* GetExplorer() const { return m_pExplorer.get(); }
    // 32 x 32 icons for menus: index 0 is icon 261, the "다운로드" item's.
    HIMAGELIST MenuImages() const { return m_hMenuImages; }

    // ---- Catalogue services for the tree and the list (MainDlgCatalogue.cpp) ----
    int SetActivePane(HWND window);
    BOOL OpenTreeSelection();
    void SelectTreeFolder(CRemoteLocation& location, HTREEITEM item);
    void ReloadTree(BOOL expand);
    void SetListViewMode(UINT command);

    // ---- Download hand-off (MainDlgDownloads.cpp) ----
    void BeginDownloadList();
    void AddDownloadItem(const std::string& id, const std::string& name);
    bool SendDownloadList(const std::string& userId, const std::string& password);
    bool ChooseDownloadFolder();

    // The download list, the downloader-ready flag and the installer dialog (ui/DownloadHandOff.h).
    std::unique_ptr<CDownloadHandOff> m_pDownloads;

    // ---- Search (button 14 and Enter in the search field; MainDlgSearch.cpp) ----
    // Takes the keyword and category from the search field and the category list and shows the search
    // panel, which starts the search.
    void OnSearchCommand();
    // The search result container: keyword, category index and the search that counts.
    std::shared_ptr<CSearchResults> m_pSearchResults = std::make_shared<CSearchResults>();

    int m_nActivePane = -1;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnButtonClick(UINT commandId) override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnPaint() override;
    void OnDestroy() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool PreTranslateMessage(MSG& msg) override;

private:
    void SetLabelTexts();
    void AddLabelToolTips();
    void FillCategories() const;
    void CreateButtons();
    void LayOutControls();
    void BuildPanes();
    // Steps 8 and 9 of the set-up: the catalogue controller and the tree and list controls.
    void SetUpCatalogue();
    // The root's first listing, once the window can paint while it waits for the service.
    void ListRootAtStart();
    // Button 11: downloads the selected rows of the remote list.
    void OnDownloadCommand();
    void PaintFrame(HDC dc) const;
    void PaintBottomTexts(HDC dc, int width, int height) const;
    void OnTrayNotify(LPARAM event);
    void ShowTrayMenu();
    void OnLabelClicked(UINT id);
    void OnSearchFieldNotify(UINT code);
    bool IsSearchKey(const MSG& msg) const;  // Enter in the search field
    // Keyboard use (MainDlgKeyboard.cpp): the Tab order of the controls, and whether a key is kept from
    // the dialog manager (Enter and Escape never close or hide the window; Enter goes to controls that
    // take it), and keys for the web page.
    void ArrangeTabOrder() const;
    bool KeepsKeyFromDialog(const MSG& msg) const;
    bool TranslateWebPageKey(MSG& msg) const;
    void SelectPageButton(CSkinButton* button);
    void SetShowState(UINT showCommand) const;
    void RefreshBalance();
    void OpenChargingPage() const;
    void OpenMemoBox() const;
    CSkinButton* FindButton(int command) const;
    void PlaceButton(int command, int x, int y) const;
    void PlaceControl(int id, int x, int y, int cx, int cy) const;

    IAppServices& m_app;

    std::unique_ptr<CViewListRemote> m_pListView;
    std::unique_ptr<CViewTreeWnd> m_pTreeView;
    std::unique_ptr<CRemoteExplorer> m_pExplorer;
    std::unique_ptr<CMainBrowseHost> m_pBrowseHost;
    std::vector<std::unique_ptr<CSkinButton>> m_buttons;
    CSkinButton* m_pPageButton = nullptr;
    CSystemTray m_tray;
    HWND m_hToolTip = nullptr;
    HIMAGELIST m_hMenuImages = nullptr;
    HICON m_hIcon = nullptr;
    HBRUSH m_hBackground = nullptr;
    HBRUSH m_hLabelBrush = nullptr;
    CColorLabel m_folderLabel;
    CColorLabel m_balanceLabel;
    CColorLabel m_flatRateLabel;
    CFlatComboBox m_categories;
    CSearchPlaceholder m_searchField;
    std::string m_strSearchText;
    bool m_bMaximizedLook = false;
    bool m_bClosing = false;
    RECT m_clientAtSetUp{};
};
