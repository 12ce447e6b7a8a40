#include "FoldVenBrowser/toolkit/BCMenu.h"

#include <gtest/gtest.h>

#include "FoldVenBrowser/res/resource.h"

namespace {

COLORREF PixelAfterDrawing(const MEASUREITEMSTRUCT& size, UINT state, int x, int y) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, size.itemWidth, size.itemHeight);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = size.itemID;
    draw.itemState = state;
    draw.hDC = dc;
    draw.rcItem = {0, 0, static_cast<LONG>(size.itemWidth), static_cast<LONG>(size.itemHeight)};
    draw.itemData = size.itemData;
    EXPECT_TRUE(BCMenu::DrawItem(&draw));
    const COLORREF pixel = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return pixel;
}

// The list's context menu: one owner-drawn "다운로드" item that keeps its text, with or without it.
TEST(BCMenu, TheListMenuDrawsItsDownloadItemAndCanDropIt) {
    BCMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_LIST_MENU));
    BCMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, popup);
    ASSERT_EQ(1, popup->GetMenuItemCount());
    char text[64] = "";
    ::GetMenuStringA(popup->GetSafeHmenu(), ID_LIST_DOWNLOAD, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ("다운로드", text) << "screen readers and drivers still read it";
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
    ASSERT_TRUE(::GetMenuItemInfoA(popup->GetSafeHmenu(), 0, TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);

    HIMAGELIST images = ::ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    HICON icon = static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(261), IMAGE_ICON, 32, 32, 0));
    ::ImageList_AddIcon(images, icon);
    EXPECT_TRUE(popup->SetItemImage(ID_LIST_DOWNLOAD, images, 0));
    ::ImageList_Destroy(images);

    MEASUREITEMSTRUCT size{};
    size.CtlType = ODT_MENU;
    size.itemID = info.wID;
    size.itemData = info.dwItemData;
    ASSERT_TRUE(BCMenu::MeasureItem(&size));
    EXPECT_GE(size.itemHeight, 20u);
    EXPECT_GT(size.itemWidth, 60u);
    BCMenu::s_bFrameSelection = true;
    if (!BCMenu::IsClassicTheme()) {
        EXPECT_EQ(RGB(255, 255, 255), PixelAfterDrawing(size, 0, size.itemWidth - 3, 3));
        EXPECT_EQ(RGB(228, 238, 251), PixelAfterDrawing(size, ODS_SELECTED, size.itemWidth - 3, 3));
    }

    EXPECT_TRUE(popup->DeleteMenu(ID_LIST_DOWNLOAD));
    EXPECT_EQ(0, popup->GetMenuItemCount());
    MEASUREITEMSTRUCT foreign{};
    foreign.CtlType = ODT_MENU;
    foreign.itemData = reinterpret_cast<ULONG_PTR>(&foreign);
    EXPECT_FALSE(BCMenu::MeasureItem(&foreign)) << "other owner-drawn items are left alone";
}

}  // namespace
