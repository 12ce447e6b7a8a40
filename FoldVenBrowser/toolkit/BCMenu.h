#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A pop-up menu whose items the program draws, each with an image column beside its text: a flat style,
// or a classic 3-D style when the desktop uses the classic theme. The window that tracks the menu passes
// its WM_MEASUREITEM and WM_DRAWITEM for menus to MeasureItem and DrawItem.
class BCMenu {
public:
    // Program-wide drawing switches: shade the image column, frame the selection bar (flat style).
    static bool s_bShadeImageColumn;
    static bool s_bFrameSelection;

    BCMenu() = default;
    ~BCMenu();
    BCMenu(const BCMenu&) = delete;
    BCMenu& operator=(const BCMenu&) = delete;

    // Loads a menu resource and rebuilds it with owner-drawn items: same texts, commands and pop-ups.
    bool LoadMenu(UINT resourceId);
    // The pop-up at `position`, or null.
    BCMenu* GetSubMenu(int position);
    // Shows image `index` of `list` beside the item with that command (in this menu or below it).
    bool SetItemImage(UINT command, HIMAGELIST list, int index);
    bool DeleteMenu(UINT command);
    // Shows the menu; its commands go to `owner`.
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND owner) const;

    HMENU GetSafeHmenu() const { return m_hMenu; }
    int GetMenuItemCount() const { return m_hMenu ? ::GetMenuItemCount(m_hMenu) : 0; }

    // False for items that are not a BCMenu's.
    static bool MeasureItem(MEASUREITEMSTRUCT* measure);
    static bool DrawItem(const DRAWITEMSTRUCT* draw);
    // Whether the desktop uses the classic theme, read from the registry once per run.
    static bool IsClassicTheme();

private:
    // One item's record; its address is the item's data.
    struct Item {
        std::uint32_t tag;
        UINT command = 0;
        std::wstring text;
        int image = -1;
        HIMAGELIST images = nullptr;  // the owning menu's list
        bool popup = false;
        bool separator = false;
    };

    bool BuildFrom(HMENU source);
    Item* FindItem(UINT command);
    HIMAGELIST Images();

    HMENU m_hMenu = nullptr;
    bool m_bOwnsHandle = false;
    HIMAGELIST m_images = nullptr;
    std::vector<std::unique_ptr<Item>> m_items;
    std::vector<std::unique_ptr<BCMenu>> m_subMenus;
};
