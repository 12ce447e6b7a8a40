#include "FoldVenBrowser/toolkit/BCMenu.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

bool BCMenu::s_bShadeImageColumn = false;
bool BCMenu::s_bFrameSelection = false;

namespace {

constexpr std::uint32_t kItemTag = 0x42434D49;  // "BCMI": tells our items from others' owner-drawn ones
constexpr int kImageSize = 16;
constexpr int kImageColumn = 24;
constexpr int kTextGap = 8;
constexpr int kRightMargin = 20;
constexpr int kSeparatorHeight = 7;

// Colours of the skin: white panels, one blue accent.
constexpr COLORREF kFlatBackground = RGB(255, 255, 255);
constexpr COLORREF kFlatImageColumn = RGB(239, 239, 239);
constexpr COLORREF kFlatSelection = RGB(228, 238, 251);
constexpr COLORREF kFlatSelectionFrame = RGB(43, 111, 208);
constexpr COLORREF kFlatText = RGB(51, 51, 51);
constexpr COLORREF kFlatSeparator = RGB(210, 216, 224);

std::wstring Widen(const char* text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length) - 1);
    return wide;
}

HFONT CreateMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        return nullptr;
    return ::CreateFontIndirectW(&metrics.lfMenuFont);
}

void FillSolid(HDC dc, const RECT& rc, COLORREF colour) {
    ::SetBkColor(dc, colour);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void FrameSolid(HDC dc, const RECT& rc, COLORREF colour) {
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FrameRect(dc, &rc, brush);
    ::DeleteObject(brush);
}

void DrawCheckMark(HDC dc, const RECT& cell, COLORREF colour) {
    HPEN pen = ::CreatePen(PS_SOLID, 2, colour);
    HGDIOBJ old = ::SelectObject(dc, pen);
    const int x = (cell.left + cell.right) / 2 - 4;
    const int y = (cell.top + cell.bottom) / 2;
    POINT mark[3] = {{x, y}, {x + 3, y + 3}, {x + 9, y - 4}};
    ::Polyline(dc, mark, 3);
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
}

}  // namespace

BCMenu::~BCMenu() {
    if (m_bOwnsHandle && m_hMenu)
        ::DestroyMenu(m_hMenu);  // its pop-ups go with it
    if (m_images)
        ::ImageList_Destroy(m_images);
}

bool BCMenu::LoadMenu(UINT resourceId) {
    HMENU source = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
    if (source == nullptr)
        return false;
    m_hMenu = ::CreateMenu();
    m_bOwnsHandle = true;
    const bool built = m_hMenu && BuildFrom(source);
    ::DestroyMenu(source);
    return built;
}

bool BCMenu::BuildFrom(HMENU source) {
    const int count = ::GetMenuItemCount(source);
    for (int position = 0; position < count; ++position) {
        char text[256] = "";
        MENUITEMINFOA read{};
        read.cbSize = sizeof(read);
        read.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        read.dwTypeData = text;
        read.cch = sizeof(text);
        if (!::GetMenuItemInfoA(source, position, TRUE, &read))
            return false;

        auto item = std::make_unique<Item>();
        item->tag = kItemTag;
        item->command = read.wID;
        item->text = Widen(text);
        item->popup = read.hSubMenu != nullptr;
        item->separator = (read.fType & MFT_SEPARATOR) != 0;
        item->images = Images();

        MENUITEMINFOW write{};
        write.cbSize = sizeof(write);
        write.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_STRING;
        // The text stays with the item for screen readers and keyboard mnemonics.
        write.fType = (read.fType & ~MFT_STRING) | MFT_OWNERDRAW;
        write.fState = read.fState;
        write.wID = read.wID;
        write.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
        write.dwTypeData = const_cast<wchar_t*>(item->text.c_str());
        std::unique_ptr<BCMenu> sub;
        if (item->popup) {
            sub = std::make_unique<BCMenu>();
            sub->m_hMenu = ::CreatePopupMenu();
            sub->m_bOwnsHandle = true;  // until the item holds it
            if (!sub->m_hMenu || !sub->BuildFrom(read.hSubMenu))
                return false;
            write.fMask |= MIIM_SUBMENU;
            write.hSubMenu = sub->m_hMenu;
        }
        if (!::InsertMenuItemW(m_hMenu, static_cast<UINT>(position), TRUE, &write))
            return false;
        if (sub) {
            sub->m_bOwnsHandle = false;
            m_subMenus.push_back(std::move(sub));
        }
        m_items.push_back(std::move(item));
    }
    return true;
}

HIMAGELIST BCMenu::Images() {
    if (m_images == nullptr)
        m_images = ::ImageList_Create(kImageSize, kImageSize, ILC_COLOR32 | ILC_MASK, 1, 1);
    return m_images;
}

BCMenu* BCMenu::GetSubMenu(int position) {
    HMENU handle = m_hMenu ? ::GetSubMenu(m_hMenu, position) : nullptr;
    for (const auto& sub : m_subMenus) {
        if (sub->m_hMenu == handle && handle != nullptr)
            return sub.get();
    }
    return nullptr;
}

BCMenu::Item* BCMenu::FindItem(UINT command) {
    for (const auto& item : m_items) {
        if (!item->popup && !item->separator && item->command == command)
            return item.get();
    }
    for (const auto& sub : m_subMenus) {
        if (Item* found = sub->FindItem(command))
            return found;
    }
    return nullptr;
}

bool BCMenu::SetItemImage(UINT command, HIMAGELIST list, int index) {
    Item* item = FindItem(command);
    if (item == nullptr || list == nullptr)
        return false;
    HICON icon = ::ImageList_GetIcon(list, index, ILD_NORMAL);
    if (icon == nullptr)
        return false;
    // The item's own list holds it at the column's size, whatever size the source list has.
    const int added = ::ImageList_ReplaceIcon(item->images, -1, icon);
    ::DestroyIcon(icon);
    if (added < 0)
        return false;
    item->image = added;
    return true;
}

bool BCMenu::DeleteMenu(UINT command) {
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if (!(*it)->popup && !(*it)->separator && (*it)->command == command) {
            ::DeleteMenu(m_hMenu, command, MF_BYCOMMAND);
            m_items.erase(it);
            return true;
        }
    }
    for (const auto& sub : m_subMenus) {
        if (sub->DeleteMenu(command))
            return true;
    }
    return false;
}

BOOL BCMenu::TrackPopupMenu(UINT flags, int x, int y, HWND owner) const {
    return m_hMenu ? ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner, nullptr) : FALSE;
}

bool BCMenu::IsClassicTheme() {
    static const bool classic = [] {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0, KEY_READ,
                            &key) != ERROR_SUCCESS)
            return false;
        char value[MAX_PATH] = "";
        DWORD size = sizeof(value) - 1;
        DWORD type = 0;
        const bool read = ::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value),
                                             &size) == ERROR_SUCCESS &&
                          (type == REG_SZ || type == REG_EXPAND_SZ);
        ::RegCloseKey(key);
        if (!read)
            return false;
        std::string theme(value, strnlen(value, size));
        const std::string suffix = "windows classic.theme";
        if (theme.size() < suffix.size())
            return false;
        std::transform(theme.begin(), theme.end(), theme.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return theme.compare(theme.size() - suffix.size(), suffix.size(), suffix) == 0;
    }();
    return classic;
}

bool BCMenu::MeasureItem(MEASUREITEMSTRUCT* measure) {
    const auto* item = reinterpret_cast<const Item*>(measure->itemData);
    if (measure->CtlType != ODT_MENU || item == nullptr || item->tag != kItemTag)
        return false;
    if (item->separator) {
        measure->itemWidth = kImageColumn;
        measure->itemHeight = kSeparatorHeight;
        return true;
    }
    HDC dc = ::GetDC(nullptr);
    HFONT font = CreateMenuFont();
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    RECT text{0, 0, 0, 0};
    ::DrawTextW(dc, item->text.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    if (old)
        ::SelectObject(dc, old);
    if (font)
        ::DeleteObject(font);
    ::ReleaseDC(nullptr, dc);
    measure->itemWidth = static_cast<UINT>(kImageColumn + kTextGap + (text.right - text.left) + kRightMargin);
    measure->itemHeight = static_cast<UINT>(std::max<int>(kImageSize + 6, metrics.tmHeight + 8));
    return true;
}

bool BCMenu::DrawItem(const DRAWITEMSTRUCT* draw) {
    const auto* item = reinterpret_cast<const Item*>(draw->itemData);
    if (draw->CtlType != ODT_MENU || item == nullptr || item->tag != kItemTag)
        return false;
    HDC dc = draw->hDC;
    const RECT& rc = draw->rcItem;
    const bool classic = IsClassicTheme();
    const bool selected = (draw->itemState & ODS_SELECTED) != 0;
    const bool grayed = (draw->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    const int saved = ::SaveDC(dc);

    RECT column{rc.left, rc.top, rc.left + kImageColumn, rc.bottom};
    RECT textArea{column.right, rc.top, rc.right, rc.bottom};
    FillSolid(dc, rc, classic ? ::GetSysColor(COLOR_MENU) : kFlatBackground);
    if (!classic && s_bShadeImageColumn)
        FillSolid(dc, column, kFlatImageColumn);

    if (item->separator) {
        RECT line{textArea.left, (rc.top + rc.bottom) / 2, rc.right - 2, (rc.top + rc.bottom) / 2 + 1};
        if (classic) {
            line.left = rc.left + 1;
            ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        } else {
            FillSolid(dc, line, kFlatSeparator);
        }
        ::RestoreDC(dc, saved);
        return true;
    }

    COLORREF textColour = classic ? ::GetSysColor(COLOR_MENUTEXT) : kFlatText;
    if (selected && !grayed) {
        if (classic) {
            FillSolid(dc, textArea, ::GetSysColor(COLOR_HIGHLIGHT));
            textColour = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        } else {
            RECT bar{rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
            FillSolid(dc, bar, kFlatSelection);
            if (s_bFrameSelection)
                FrameSolid(dc, bar, kFlatSelectionFrame);
        }
    }
    if (grayed)
        textColour = ::GetSysColor(COLOR_GRAYTEXT);

    if (item->image >= 0) {
        const int y = (rc.top + rc.bottom - kImageSize) / 2;
        ::ImageList_Draw(item->images, item->image, dc, column.left + (kImageColumn - kImageSize) / 2, y,
                         grayed ? ILD_BLEND50 : ILD_TRANSPARENT);
        if (classic && selected && !grayed) {
            RECT edge{column.left + 1, rc.top + 1, column.right - 1, rc.bottom - 1};
            ::DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
        }
    } else if (draw->itemState & ODS_CHECKED) {
        DrawCheckMark(dc, column, textColour);
    }

    HFONT font = CreateMenuFont();
    if (font)
        ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColour);
    RECT label{textArea.left + kTextGap, rc.top, rc.right - kRightMargin / 2, rc.bottom};
    const std::wstring::size_type tab = item->text.find(L'\t');
    const UINT format = DT_SINGLELINE | DT_VCENTER | ((draw->itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    ::DrawTextW(dc, item->text.substr(0, tab).c_str(), -1, &label, format | DT_LEFT);
    if (tab != std::wstring::npos)
        ::DrawTextW(dc, item->text.substr(tab + 1).c_str(), -1, &label, format | DT_RIGHT);
    ::RestoreDC(dc, saved);
    if (font)
        ::DeleteObject(font);
    return true;
}
