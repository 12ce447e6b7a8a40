#include "FoldVenBrowser/ui/MainDlg.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "FoldVenBrowser/app/BrowserSettings.h"
#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/app/WebPages.h"
#include "FoldVenBrowser/catalogue/RemoteExplorer.h"
#include "FoldVenBrowser/res/resource.h"
#include "FoldVenBrowser/service/ServiceClient.h"
#include "FoldVenBrowser/toolkit/BitmapDraw.h"
#include "FoldVenBrowser/toolkit/Fonts.h"
#include "FoldVenBrowser/toolkit/ResString.h"
#include "FoldVenBrowser/ui/AppServices.h"
#include "FoldVenBrowser/ui/DownloadHandOff.h"
#include "FoldVenBrowser/ui/MainBrowseHost.h"
#include "FoldVenBrowser/ui/MemoBox.h"
#include "FoldVenBrowser/ui/MessageDlg.h"
#include "FoldVenBrowser/views/SearchListWnd.h"
#include "FoldVenBrowser/views/ViewHelpers.h"
#include "FoldVenBrowser/views/ViewListRemote.h"
#include "FoldVenBrowser/views/ViewTreeWnd.h"
#include "net/ServiceHosts.h"
#include "platform/Registry.h"
#include "platform/Sleeper.h"
#include "platform/UiHooks.h"
#include "win/InstanceWindow.h"

namespace {

constexpr COLORREF kBackground = RGB(244, 244, 244);
constexpr COLORREF kLabelGreen = RGB(65, 154, 50);
// 480 at the client width of the smallest window (891 = 899 less the sizing border).
constexpr int kSearchFieldFromRight = 411;

struct ButtonEntry {
    int command;
    int x;
    int y;  // with kBelowTop: added to the height of bitmap 193
    bool belowTop;
    UINT normal, hover, pressed, disabled;
    bool sticky;
    const char* tip;
    const char* label;  // the text the picture shows, the button's name for screen readers; else the tip
};

constexpr ButtonEntry kButtons[] = {
    {CMainDlg::kCharge, 20, 7, true, 204, 203, 205, 204, true, "요금 충전 페이지로 가기", "충전하기"},
    {CMainDlg::kDownload, 112, 7, true, 207, 206, 208, 207, true, "파일 다운로드", "다운로드"},
    {CMainDlg::kSettings, 204, 7, true, 210, 209, 211, 210, true, "환경 설정", "환경설정"},
    {CMainDlg::kMemo, 296, 7, true, 213, 212, 214, 213, true, "쪽지함 바로가기", "쪽지함"},
    {CMainDlg::kSearch, 798, 9, true, 222, 221, 223, 222, true, "파일 검색", "검색"},
    {CMainDlg::kMinimize, 886, 13, false, 187, 186, 188, 187, false, "최소화하기", nullptr},
    {CMainDlg::kMaximize, 907, 13, false, 190, 189, 191, 190, false, "최대화하기", nullptr},
    {CMainDlg::kToTray, 928, 13, false, 184, 183, 185, 184, false, "트레이", nullptr},
    {CMainDlg::kRefreshBalance, 300, 491, false, 248, 248, 245, 248, false, "포인트 새로고침", "새로고침"},
    {CMainDlg::kChangeFolder, 825, 491, false, 246, 246, 247, 246, false, "다운로드 폴더 변경", "변경"},
    {CMainDlg::kRefreshLink, 535, 492, false, 257, 257, 257, 257, false, "포인트 새로고침", nullptr},
};

const char* const kCategories[] = {"영화", "게임", "TV",   "애니", "만화", "휴대기기",
                                   "강좌", "교육", "기타", "유틸", "문서"};

// Frame pieces of the main window, in the order the painting uses them.
enum Piece {
    kTopLeft,
    kTop,
    kSlogan,
    kTopRight,
    kBandLeft,
    kBand,
    kBandRight,
    kBottomLeft,
    kBottom,
    kBottomRight,
    kLeft,
    kRight,
    kPieces
};
constexpr UINT kPieceIds[kPieces] = {IDB_MAIN_TOP_LEFT,     IDB_MAIN_TOP,         IDB_MAIN_SLOGAN,
                                     IDB_MAIN_TOP_RIGHT,    IDB_MAIN_BAND_LEFT,   IDB_MAIN_BAND,
                                     IDB_MAIN_BAND_RIGHT,   IDB_MAIN_BOTTOM_LEFT, IDB_MAIN_BOTTOM,
                                     IDB_MAIN_BOTTOM_RIGHT, IDB_MAIN_LEFT,        IDB_MAIN_RIGHT};

// The frame bitmaps, loaded once for the run.
struct FramePieces {
    FramePieces() {
        for (int i = 0; i < kPieces; ++i) {
            bitmap[i] = BitmapDraw::LoadResourceBitmap(kPieceIds[i]);
            size[i] = BitmapDraw::BitmapSize(bitmap[i]);
        }
    }
    int W(Piece p) const { return size[p].cx; }
    int H(Piece p) const { return size[p].cy; }
    HBITMAP bitmap[kPieces] = {};
    SIZE size[kPieces] = {};
};

const FramePieces& Frame() {
    static const FramePieces pieces;
    return pieces;
}

// Top of the panes: below the top band and the second band.
int PanesTop() {
    return Frame().H(kTopLeft) + Frame().H(kBandLeft);
}

}  // namespace

CMainDlg::CMainDlg(IAppServices& app)
    : CPaneDialog(IDD_MAIN), m_app(app), m_searchField(LoadResString(IDS_ENTER_KEYWORD)) {}

CMainDlg::~CMainDlg() {
    if (m_hWnd)
        ::DestroyWindow(m_hWnd);
    if (m_hMenuImages)
        ImageList_Destroy(m_hMenuImages);
}

BOOL CMainDlg::OnInitDialog() {
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetText(LoadResString(IDS_APP_TITLE));
    ::SetWindowLongA(m_hWnd, GWL_STYLE,
                     ::GetWindowLongA(m_hWnd, GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const RECT rc = GetWindowRect();
    ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, kMinWidth, kMinHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    m_hBackground = ::CreateSolidBrush(kBackground);
    m_hLabelBrush = ::CreateSolidBrush(RGB(255, 255, 255));

    m_folderLabel.SubclassDlgItem(m_hWnd, IDC_MAIN_FOLDER);
    m_balanceLabel.SubclassDlgItem(m_hWnd, IDC_MAIN_BALANCE);
    m_flatRateLabel.SubclassDlgItem(m_hWnd, IDC_MAIN_FLAT_RATE);
    for (CColorLabel* label : {&m_folderLabel, &m_balanceLabel, &m_flatRateLabel}) {
        label->SetUnderline(false);
        label->SetFont("굴림", 8, false);
        label->SetBkColor(RGB(255, 255, 255), false);
    }
    SetLabelTexts();
    AddLabelToolTips();

    PlaceControl(IDC_MAIN_SEARCH_TEXT, 480, 49, 300, 20);
    ::SendDlgItemMessageA(m_hWnd, IDC_MAIN_SEARCH_TEXT, EM_LIMITTEXT, 100, 0);
    m_categories.SubclassDlgItem(m_hWnd, IDC_MAIN_CATEGORY);
    FillCategories();
    if (CApp* app = CApp::Get())
        app->AddMessageFilter(this);
    return TRUE;
}

void CMainDlg::SetLabelTexts() {
    const CSessionInfo& session = m_app.Session();
    const std::string folder = m_app.Settings().rPathBasic;
    m_folderLabel.SetText(folder);
    m_balanceLabel.SetText(MainLabels::Balance(session));
    m_flatRateLabel.SetText(MainLabels::FlatRate(session));
    m_balanceLabel.SetTextColor(kLabelGreen);
    m_flatRateLabel.SetTextColor(kLabelGreen);
}

void CMainDlg::AddLabelToolTips() {
    m_hToolTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    if (!m_hToolTip)
        return;
    const CSessionInfo& session = m_app.Session();
    const std::string folder = m_app.Settings().rPathBasic;
    const std::pair<int, std::string> tools[] = {{IDC_MAIN_FOLDER, folder},
                                                 {IDC_MAIN_BALANCE, MainLabels::BalanceTip(session)},
                                                 {IDC_MAIN_FLAT_RATE, MainLabels::FlatRateTip(session)}};
    for (const auto& [id, text] : tools) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND;
        tool.hwnd = m_hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(id));
        tool.lpszText = const_cast<char*>(text.c_str());
        ::SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    ::SendMessageA(m_hToolTip, TTM_SETMAXTIPWIDTH, 0, 400);
    ::SendMessageA(m_hToolTip, TTM_ACTIVATE, TRUE, 0);
}

void CMainDlg::FillCategories() const {
    HWND combo = GetDlgItem(IDC_MAIN_CATEGORY);
    for (const char* name : kCategories)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
}

void CMainDlg::SetUp() {
    // Nothing is drawn while the parts are made and placed: the panes alone are laid out four times.
    // One paint of the finished window follows.
    Send(WM_SETREDRAW, FALSE);
    HICON trayIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY));
    m_tray.Create(m_hWnd, kTrayMessage, LoadResString(IDS_APP_TITLE), trayIcon, kTrayIconId);

    m_pListView = std::make_unique<CViewListRemote>();
    SearchPanelSetup search;
    search.colorFlag = static_cast<UINT>(m_app.ColorDepth());
    search.comCtlVersion = m_app.ComCtlVersion();
    search.session = &m_app.Session();
    search.results = m_pSearchResults;
    AddListPanels(*m_pListView, search);
    m_pTreeView = std::make_unique<CViewTreeWnd>();

    m_hMenuImages = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_SetBkColor(m_hMenuImages, RGB(222, 219, 213));
    HICON download = static_cast<HICON>(::LoadImageA(
        ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MENU_DOWNLOAD), IMAGE_ICON, 32, 32, 0));
    ImageList_AddIcon(m_hMenuImages, download);

    CreateButtons();
    LayOutControls();
    BuildPanes();
    SetUpCatalogue();
    ArrangeTabOrder();
    m_clientAtSetUp = GetClientRect();
    Send(WM_SETREDRAW, TRUE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    ListRootAtStart();
}

void CMainDlg::CreateButtons() {
    const int top = Frame().H(kTopLeft);
    for (const ButtonEntry& entry : kButtons) {
        const int y = entry.belowTop ? top + entry.y : entry.y;
        std::unique_ptr<CSkinButton> button(CSkinButton::CreateButton(
            m_hWnd, entry.x, y, entry.command, entry.normal, entry.hover, entry.pressed, entry.disabled));
        if (!button)
            continue;
        button->SetSticky(entry.sticky);
        if (entry.label)
            button->SetText(entry.label);
        button->SetToolTip(entry.tip);
        m_buttons.push_back(std::move(button));
    }
}

CSkinButton* CMainDlg::FindButton(int command) const {
    for (const auto& button : m_buttons) {
        if (button->Command() == command)
            return button.get();
    }
    return nullptr;
}

void CMainDlg::PlaceButton(int command, int x, int y) const {
    if (CSkinButton* button = FindButton(command))
        button->MoveTo(x, y);
}

void CMainDlg::PlaceControl(int id, int x, int y, int cx, int cy) const {
    // Drawn anew where it lands: copied pixels would carry along whatever a sibling moved before it had
    // just drawn over it (the category list over the search field).
    ::SetWindowPos(GetDlgItem(id), nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

void CMainDlg::LayOutControls() {
    const RECT client = GetClientRect();
    const int w = client.right;
    const int h = client.bottom;
    PlaceButton(kMinimize, w - 69, 13);
    PlaceButton(kMaximize, w - 48, 13);
    PlaceButton(kToTray, FindButton(kMaximize) ? w - 27 : w - 48, 13);
    PlaceButton(kRefreshBalance, 340, h - 29);
    PlaceButton(kRefreshLink, w - 356, h - 27);
    PlaceButton(kChangeFolder, w - 70, h - 29);
    PlaceButton(kSearch, w - 90, 48);
    PlaceControl(IDC_MAIN_FOLDER, w - 226, h - 25, 150, 17);
    PlaceControl(IDC_MAIN_FLAT_RATE, 244, h - 25, 90, 17);
    PlaceControl(IDC_MAIN_BALANCE, 90, h - 25, 70, 17);
    for (int id : {IDC_MAIN_FOLDER, IDC_MAIN_FLAT_RATE, IDC_MAIN_BALANCE})
        ::ShowWindow(GetDlgItem(id), SW_SHOW);
    PlaceControl(IDC_MAIN_CATEGORY, w - 489, 48, 70, 13);
    // The search field stays between the category list and the search button, which both keep to the
    // right edge; at the smallest width it stands at (480, 49).
    PlaceControl(IDC_MAIN_SEARCH_TEXT, w - kSearchFieldFromRight, 49, 300, 20);
}

CDialog* CMainDlg::GetPanel(int index) {
    CDialog* panel = nullptr;
    int x = 0;
    int width = 0;
    const RECT client = GetClientRect();
    if (index == kListPanel && m_pListView) {
        panel = m_pListView.get();
        x = 210;
        width = client.right - 220;
    } else if (index == kTreePanel && m_pTreeView) {
        panel = m_pTreeView.get();
        x = 12;
        width = client.right - 700;
    }
    if (!panel)
        return nullptr;
    if (!panel->GetSafeHwnd()) {
        const bool created = index == kListPanel ? m_pListView->Create(m_hWnd) : m_pTreeView->Create(m_hWnd);
        if (!created)
            return nullptr;
        ::SetWindowPos(*panel, nullptr, x, PanesTop() + 10, width, 403, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The panels' children are repainted too: a panel without clipping would otherwise paint over them.
    ::RedrawWindow(*panel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return panel;
}

CViewListRemote* CMainDlg::GetListView() {
    return static_cast<CViewListRemote*>(GetPanel(kListPanel));
}

CViewTreeWnd* CMainDlg::GetTreeView() {
    return static_cast<CViewTreeWnd*>(GetPanel(kTreePanel));
}

CTreeRemoteCtl* CMainDlg::GetTreeCtrl() {
    // Not through GetPanel, which repaints the panel: the tree is reached on every click.
    return m_pTreeView && m_pTreeView->GetSafeHwnd() ? &m_pTreeView->m_tree : nullptr;
}

void CMainDlg::BuildPanes() {
    CDialog* list = GetPanel(kListPanel);
    CDialog* tree = GetPanel(kTreePanel);
    if (!list || !tree)
        return;
    list->Show(SW_SHOW);
    tree->Show(SW_SHOW);
    CPaneNode* root = CreateNode(CPaneNode::kSideBySide, nullptr, 0, true);
    CPaneNode* left = CreateNode(CPaneNode::kSideBySide, root, 1, true);
    CPaneNode* right = CreateNode(CPaneNode::kSideBySide, root, 2, true);
    AttachWindow(left, *tree, 1, 150, 150);
    AttachWindow(right, *list, 2, 150, 150);
    SetTopEdge(PanesTop() + 9);
    SetBottomMargin(33);
    SetRightMargin(10);
    SetLeftEdge(10);
}

void CMainDlg::OnCancel() {
    Show(SW_HIDE);
}

bool CMainDlg::OnCommand(UINT code, UINT id, HWND control) {
    switch (id) {
        case ID_TRAY_OPEN:
            BringWindowBack(m_hWnd);
            return true;
        case ID_TRAY_NO_AUTO_LOGIN:
            m_app.Settings().bKeepPassword = 0;
            m_app.Settings().SaveSettings(SystemRegistry());
            return true;
        case ID_TRAY_EXIT:
            ::DestroyWindow(m_hWnd);
            return true;
        case ID_TRAY_HOME:
            return true;
        case IDC_MAIN_FOLDER:
        case IDC_MAIN_BALANCE:
        case IDC_MAIN_FLAT_RATE:
            if (code == STN_CLICKED)
                OnLabelClicked(id);
            return true;
        case IDC_MAIN_SEARCH_TEXT:
            OnSearchFieldNotify(code);
            return true;
        default:
            return CPaneDialog::OnCommand(code, id, control);
    }
}

void CMainDlg::OnLabelClicked(UINT id) {
    if (id != IDC_MAIN_FOLDER) {
        OpenChargingPage();
        return;
    }
    const std::string folder = m_app.Settings().rPathBasic;
    if (folder.empty()) {
        ShowMessage(m_hWnd, LoadResString(IDS_FOLDER_NOT_FOUND));
        return;
    }
    ::ShellExecuteA(m_hWnd, nullptr, folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CMainDlg::OnSearchFieldNotify(UINT code) {
    HWND edit = GetDlgItem(IDC_MAIN_SEARCH_TEXT);
    const std::string text = CWindow(edit).GetText();
    switch (code) {
        case EN_SETFOCUS:
            if (const std::string shown = m_searchField.OnFocus(text); shown != text)
                ::SetWindowTextA(edit, shown.c_str());
            break;
        case EN_KILLFOCUS:
            if (const std::string shown = m_searchField.OnBlur(text); shown != text)
                ::SetWindowTextA(edit, shown.c_str());
            break;
        case EN_CHANGE:
            m_searchField.OnChange(text);
            m_strSearchText = text;
            break;
        case EN_MAXTEXT:
            ShowMessage(m_hWnd, LoadResString(IDS_KEYWORD_TOO_LONG));
            break;
        default:
            break;
    }
}

void CMainDlg::SelectPageButton(CSkinButton* button) {
    if (button)
        button->SetSelected(false);
    if (m_pPageButton)
        m_pPageButton->SetSelected(false);
    m_pPageButton = button;
}

bool CMainDlg::OnButtonClick(UINT commandId) {
    const int command = static_cast<int>(commandId);
    if (command >= kCharge && command <= kMemo)
        SelectPageButton(FindButton(command));
    switch (command) {
        case kCharge:
            OpenChargingPage();
            break;
        case kDownload:
            OnDownloadCommand();
            break;
        case kSettings:
            ShowMessage(m_hWnd, "준비중입니다.");
            break;
        case kSearch:
            OnSearchCommand();
            break;
        case kMemo:
            OpenMemoBox();
            break;
        case kChangeFolder:
            ChooseDownloadFolder();
            break;
        case kRefreshBalance:
            RefreshBalance();
            break;
        case kMinimize:
            SetShowState(SW_SHOWMINIMIZED);
            break;
        case kMaximize:
            SetShowState(::IsZoomed(m_hWnd) ? SW_RESTORE : SW_SHOWMAXIMIZED);
            break;
        case kToTray:
            Post(WM_CLOSE);
            break;
        default:
            break;
    }
    return true;
}

void CMainDlg::SetShowState(UINT showCommand) const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(m_hWnd, &placement);
    placement.showCmd = showCommand;
    ::SetWindowPlacement(m_hWnd, &placement);
}

void CMainDlg::RefreshBalance() {
    CServiceClient client(reinterpret_cast<OwnerWindow>(m_hWnd), m_app.Session(), SystemUiHooks(),
                          SystemSleeper());
    std::int64_t balance = 0;
    if (!client.RequestBalance(balance)) {
        ShowMessage(m_hWnd, LoadResString(IDS_BALANCE_FAILED));
        return;
    }
    m_app.Session().packetBalance = balance;
    SetLabelTexts();
}

void CMainDlg::OpenChargingPage() const {
    const CSessionInfo& session = m_app.Session();
    const std::string address =
        MainPages::Charging(ServiceHosts::WebHost(), session.userId, session.password);
    ::ShellExecuteA(nullptr, "open", "iexplore.exe", address.c_str(), nullptr, SW_SHOWNORMAL);
}

void CMainDlg::OpenMemoBox() const {
    const CSessionInfo& session = m_app.Session();
    OpenInNewBrowserWindow(MainPages::Memo(ServiceHosts::WebHost(), session.userId, session.password));
}

void CMainDlg::OnSize(UINT type, int cx, int cy) {
    CPaneDialog::OnSize(type, cx, cy);
    if (type == SIZE_MAXIMIZED && !m_bMaximizedLook) {
        if (CSkinButton* button = FindButton(kMaximize))
            button->SetBitmaps(225, 224, 226, 225);
        m_bMaximizedLook = true;
    } else if (type == SIZE_RESTORED && m_bMaximizedLook) {
        if (CSkinButton* button = FindButton(kMaximize))
            button->SetBitmaps(190, 189, 191, 190);
        m_bMaximizedLook = false;
    }
    if (type != SIZE_MINIMIZED) {
        LayOutControls();
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}

bool CMainDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    if (::IsIconic(m_hWnd)) {
        const RECT client = GetClientRect();
        const int cx = ::GetSystemMetrics(SM_CXICON);
        const int cy = ::GetSystemMetrics(SM_CYICON);
        ::DrawIcon(dc, (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, m_hIcon);
    } else {
        PaintFrame(dc);
    }
    ::EndPaint(m_hWnd, &paint);
    return true;
}

void CMainDlg::PaintFrame(HDC dc) const {
    using namespace BitmapDraw;
    const FramePieces& f = Frame();
    const RECT client = GetClientRect();
    const int W = client.right;
    const int H = client.bottom;

    DrawTransparent(dc, f.bitmap[kTopLeft], 2, 2);
    DrawTiledTransparent(dc, f.bitmap[kTop], f.W(kTopLeft), 2, W - f.W(kTopLeft) - 11, 0);
    DrawTransparent(dc, f.bitmap[kSlogan], f.W(kTopLeft) + 2, 6);
    DrawTransparent(dc, f.bitmap[kTopRight], W - f.W(kTopLeft) - 3, 2);

    const int band = f.H(kTopLeft) + 2;
    DrawTransparent(dc, f.bitmap[kBandLeft], 2, band);
    DrawTiledTransparent(dc, f.bitmap[kBand], f.W(kBandLeft) + 2, band,
                         W - f.W(kBandLeft) - f.W(kBandRight) - 2, 0);
    DrawTransparent(dc, f.bitmap[kBandRight], W - f.W(kBandRight) - 2, band);

    const int bottom = H - f.H(kBottomLeft) - 2;
    DrawTransparent(dc, f.bitmap[kBottomLeft], 2, bottom);
    DrawTiledTransparent(dc, f.bitmap[kBottom], f.W(kBottomLeft) + 2, bottom, W - 2 * f.W(kBottomLeft) - 2,
                         0);
    DrawTransparent(dc, f.bitmap[kBottomRight], W - f.W(kBottomRight) - 2, H - f.H(kBottomRight) - 2);

    const int sidesTop = f.H(kTopLeft) + f.H(kBandLeft) + 2;
    const int sidesBottom = H - f.H(kBottomRight) - 2;
    DrawTiledTransparent(dc, f.bitmap[kLeft], 2, sidesTop, 0, sidesBottom - sidesTop);
    DrawTiledTransparent(dc, f.bitmap[kRight], W - 11, sidesTop, 0, sidesBottom - sidesTop);

    PaintBottomTexts(dc, W, H);
}

void CMainDlg::PaintBottomTexts(HDC dc, int W, int H) const {
    HFONT font = Fonts::CreateDotumChe(11, false);
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, font);
    ::SetTextColor(dc, RGB(75, 75, 75));
    ::SetBkMode(dc, TRANSPARENT);
    struct {
        const char* text;
        RECT rect;
    } texts[] = {{"·보유 패킷:", {20, H - 25, 100, H - 10}},
                 {"·패킷정액제:", {160, H - 25, 240, H - 10}},
                 {"다운로드 저장 경로 :", {W - 340, H - 25, W - 200, H - 10}}};
    for (auto& t : texts) {
        // The folder's caption must end before the folder label (at W - 226), which would cover it: a
        // substituted font wider than the system's moves it left, up to the divider (button 17).
        if (t.rect.left == W - 340) {
            SIZE extent{};
            ::GetTextExtentPoint32A(dc, t.text, static_cast<int>(std::strlen(t.text)), &extent);
            t.rect.left = std::max<LONG>(W - 352, std::min<LONG>(t.rect.left, W - 228 - extent.cx));
        }
        ::DrawTextA(dc, t.text, -1, &t.rect, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
    ::RestoreDC(dc, saved);
    ::DeleteObject(font);
}

HBRUSH CMainDlg::OnCtlColor(HDC dc, HWND control, UINT message) {
    const int id = ::GetDlgCtrlID(control);
    if (message == WM_CTLCOLORSTATIC && id >= IDC_MAIN_FOLDER && id <= IDC_MAIN_FLAT_RATE) {
        ::SetBkColor(dc, RGB(255, 255, 255));
        ::SetTextColor(dc, RGB(0, 0, 0));
        return m_hLabelBrush;
    }
    if (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC) {
        ::SetBkColor(dc, kBackground);
        ::SetBkMode(dc, TRANSPARENT);
        return m_hBackground;
    }
    return nullptr;
}

void CMainDlg::OnDestroy() {
    m_bClosing = true;
    m_tray.Destroy();
    if (CApp* app = CApp::Get())
        app->RemoveMessageFilter(this);
    if (m_hBackground)
        ::DeleteObject(m_hBackground);
    if (m_hLabelBrush)
        ::DeleteObject(m_hLabelBrush);
    m_hBackground = m_hLabelBrush = nullptr;
    if (m_pListView && m_pListView->GetSafeHwnd())
        ::DestroyWindow(*m_pListView);
    if (m_pTreeView && m_pTreeView->GetSafeHwnd())
        ::DestroyWindow(*m_pTreeView);
    m_buttons.clear();
}

void CMainDlg::OnTrayNotify(LPARAM event) {
    switch (LOWORD(event)) {
        case WM_RBUTTONUP:
            Post(kTrayMenuMessage);
            break;
        case WM_LBUTTONDBLCLK:
            BringWindowBack(m_hWnd);
            break;
        default:
            break;
    }
}

void CMainDlg::ShowTrayMenu() {
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    if (!menu)
        return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // The documented pattern for a notification-area menu: the owner in the foreground so that a click
    // elsewhere closes the menu, and a message after it so that it opens again the next time.
    ::SetForegroundWindow(m_hWnd);
    ::TrackPopupMenu(::GetSubMenu(menu, 0), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    Post(WM_NULL);
    ::DestroyMenu(menu);
}

bool CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = POINT{kMinWidth, kMinHeight};
            RECT work{};
            ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
            info->ptMaxTrackSize.y = work.bottom - work.top;
            result = 0;
            return true;
        }
        case WM_NCHITTEST:
            if (::IsIconic(m_hWnd))
                return false;
            result = FrameHitTest(m_hWnd, static_cast<short>(LOWORD(lParam)),
                                  static_cast<short>(HIWORD(lParam)), kCaptionHeight, true);
            return true;
        case kTrayMessage:
            OnTrayNotify(lParam);
            result = 0;
            return true;
        case kTrayMenuMessage:
            ShowTrayMenu();
            result = 0;
            return true;
        default:
            if (message == CSystemTray::TaskbarCreatedMessage()) {
                m_tray.AddAgain();
                result = 0;
                return true;
            }
            return CPaneDialog::OnMessage(message, wParam, lParam, result);
    }
}

bool CMainDlg::PreTranslateMessage(MSG& msg) {
    if (!m_hWnd || (msg.hwnd != m_hWnd && !::IsChild(m_hWnd, msg.hwnd)))
        return false;
    if (TranslateWebPageKey(msg))
        return true;
    if (IsSearchKey(msg)) {
        OnSearchCommand();
        return true;
    }
    if (KeepsKeyFromDialog(msg))
        return true;
    if (m_hToolTip && msg.message == WM_MOUSEMOVE)
        ::SendMessageA(m_hToolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    return false;
}
