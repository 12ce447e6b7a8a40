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

// One item as it is to be drawn: its rectangle split into the image column and the text area, the style
// and the state.
struct ItemLook {
    HDC dc;
    RECT rc;
    RECT column;
    RECT textArea;
    bool classic;
    bool selected;
    bool grayed;
};

ItemLook LookOf(const DRAWITEMSTRUCT& draw, bool classic) {
    const RECT& rc = draw.rcItem;
    ItemLook look{};
    look.dc = draw.hDC;
    look.rc = rc;
    look.column = RECT{rc.left, rc.top, rc.left + kImageColumn, rc.bottom};
    look.textArea = RECT{look.column.right, rc.top, rc.right, rc.bottom};
    look.classic = classic;
    look.selected = (draw.itemState & ODS_SELECTED) != 0;
    look.grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    return look;
}

void DrawBackground(const ItemLook& look) {
    FillSolid(look.dc, look.rc, look.classic ? ::GetSysColor(COLOR_MENU) : kFlatBackground);
    if (!look.classic && BCMenu::s_bShadeImageColumn)
        FillSolid(look.dc, look.column, kFlatImageColumn);
}

void DrawSeparatorLine(const ItemLook& look) {
    const RECT& rc = look.rc;
    RECT line{look.textArea.left, (rc.top + rc.bottom) / 2, rc.right - 2, (rc.top + rc.bottom) / 2 + 1};
    if (look.classic) {
        line.left = rc.left + 1;
        ::DrawEdge(look.dc, &line, EDGE_ETCHED, BF_TOP);
    } else {
        FillSolid(look.dc, line, kFlatSeparator);
    }
}

// Draws the selection bar of a selected item; answers the colour of the item's text.
COLORREF DrawSelection(const ItemLook& look) {
    COLORREF textColour = look.classic ? ::GetSysColor(COLOR_MENUTEXT) : kFlatText;
    if (look.selected && !look.grayed) {
        if (look.classic) {
            FillSolid(look.dc, look.textArea, ::GetSysColor(COLOR_HIGHLIGHT));
            textColour = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        } else {
            const RECT& rc = look.rc;
            RECT bar{rc.left + 1, rc.top + 1, rc.right - 1, rc.bottom - 1};
            FillSolid(look.dc, bar, kFlatSelection);
            if (BCMenu::s_bFrameSelection)
                FrameSolid(look.dc, bar, kFlatSelectionFrame);
        }
    }
    return look.grayed ? ::GetSysColor(COLOR_GRAYTEXT) : textColour;
}

// The item's image in the image column (raised when selected in the classic style), else its check mark.
void DrawImageOrCheck(const ItemLook& look, HIMAGELIST images, int image, bool checked, COLORREF colour) {
    const RECT& rc = look.rc;
    if (image >= 0) {
        const int y = (rc.top + rc.bottom - kImageSize) / 2;
        ::ImageList_Draw(images, image, look.dc, look.column.left + (kImageColumn - kImageSize) / 2, y,
                         look.grayed ? ILD_BLEND50 : ILD_TRANSPARENT);
        if (look.classic && look.selected && !look.grayed) {
            RECT edge{look.column.left + 1, rc.top + 1, look.column.right - 1, rc.bottom - 1};
            ::DrawEdge(look.dc, &edge, BDR_RAISEDINNER, BF_RECT);
        }
    } else if (checked) {
        DrawCheckMark(look.dc, look.column, colour);
    }
}

// The text in the menu font: left of the tab at the left, the shortcut after it at the right.
void DrawLabel(const ItemLook& look, const std::wstring& text, bool hidePrefix, COLORREF colour) {
    HFONT font = CreateMenuFont();
    HGDIOBJ old = font ? ::SelectObject(look.dc, font) : nullptr;
    ::SetBkMode(look.dc, TRANSPARENT);
    ::SetTextColor(look.dc, colour);
    RECT label{look.textArea.left + kTextGap, look.rc.top, look.rc.right - kRightMargin / 2, look.rc.bottom};
    const std::wstring::size_type tab = text.find(L'\t');
    const UINT format = DT_SINGLELINE | DT_VCENTER | (hidePrefix ? DT_HIDEPREFIX : 0);
    ::DrawTextW(look.dc, text.substr(0, tab).c_str(), -1, &label, format | DT_LEFT);
    if (tab != std::wstring::npos)
        ::DrawTextW(look.dc, text.substr(tab + 1).c_str(), -1, &label, format | DT_RIGHT);
    if (old)
        ::SelectObject(look.dc, old);
    if (font)
        ::DeleteObject(font);
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
    const ItemLook look = LookOf(*draw, IsClassicTheme());
    const int saved = ::SaveDC(look.dc);
    DrawBackground(look);
    if (item->separator) {
        DrawSeparatorLine(look);
    } else {
        const COLORREF textColour = DrawSelection(look);
        DrawImageOrCheck(look, item->images, item->image, (draw->itemState & ODS_CHECKED) != 0, textColour);
        DrawLabel(look, item->text, (draw->itemState & ODS_NOACCEL) != 0, textColour);
    }
    ::RestoreDC(look.dc, saved);
    return true;
}
