#include <gtest/gtest.h>

#include "FoldVenBrowser/toolkit/ColorCheckBox.h"
#include "FoldVenBrowser/toolkit/ColorLabel.h"
#include "FoldVenBrowser/toolkit/FlatComboBox.h"
#include "tests/win/FoldVenBrowser/toolkit/TestParent.h"

namespace {

TEST(ColorCheckBox, MouseAndSpaceKeyToggleAndNotifyAlike) {
    CTestParent parent;
    HWND hwnd = parent.Child("BUTTON", "아이디 저장", BS_CHECKBOX, {5, 5, 125, 21});
    CColorCheckBox box;
    ASSERT_TRUE(box.Subclass(hwnd));
    EXPECT_EQ(::GetWindowLongPtrA(hwnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);

    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(box.GetCheck());
    EXPECT_EQ(::SendMessageA(hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(parent.Count(CColorCheckBox::kChangedMessage), 1u);

    ::SendMessageA(hwnd, WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageA(hwnd, WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(box.GetCheck());
    EXPECT_EQ(parent.Count(CColorCheckBox::kChangedMessage), 2u);

    // A release outside the box changes nothing.
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(300, 3));
    EXPECT_FALSE(box.GetCheck());
    EXPECT_EQ(parent.Count(CColorCheckBox::kChangedMessage), 2u);
}

TEST(ColorLabel, KeepsItsTextAndGetsAFontWithoutOneOfItsOwn) {
    CTestParent parent;
    // A static created by hand has no font; the label falls back to the default GUI font.
    HWND hwnd = parent.Child("STATIC", "", SS_LEFT, {5, 5, 205, 21});
    CColorLabel label;
    ASSERT_TRUE(label.Subclass(hwnd));
    EXPECT_NE(::GetWindowLongPtrA(hwnd, GWL_STYLE) & SS_NOTIFY, 0);
    label.SetText("진행중인 이벤트가 없습니다.");
    EXPECT_EQ(label.GetText(), "진행중인 이벤트가 없습니다.");
    EXPECT_EQ(::SendMessageA(hwnd, WM_NCHITTEST, 0, 0), HTCLIENT);
    ::UpdateWindow(hwnd);  // paints with the copied font without failing
}

TEST(FlatComboBox, TurnsFlatAgainSoonAfterTheCursorLeaves) {
    CTestParent parent;
    HWND hwnd = parent.Child("COMBOBOX", "", CBS_DROPDOWNLIST, {100, 100, 220, 300});
    CFlatComboBox combo;
    ASSERT_TRUE(combo.Subclass(hwnd));
    ::SetCursorPos(0, 0);  // far from the box, whatever the mouse message says
    ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(combo.IsHot());
    const DWORD start = ::GetTickCount();
    while (combo.IsHot() && ::GetTickCount() - start < 2000) {
        CTestParent::Pump();
        ::Sleep(5);
    }
    EXPECT_FALSE(combo.IsHot());
}

}  // namespace
