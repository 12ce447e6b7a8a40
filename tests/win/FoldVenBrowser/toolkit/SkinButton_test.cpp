#include "FoldVenBrowser/toolkit/SkinButton.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "tests/win/FoldVenBrowser/toolkit/TestParent.h"

namespace {

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 4; ++i)
            bitmaps[i] = SolidBitmap(40, 20, RGB(10 * i, 100, 200));
        ASSERT_TRUE(button.Create(parent.Hwnd(), 10, 10, 42, bitmaps[0], bitmaps[1], bitmaps[2], bitmaps[3]));
        CTestParent::Pump();
    }
    void TearDown() override {
        for (HBITMAP bitmap : bitmaps)
            ::DeleteObject(bitmap);
    }

    void Press() const { ::SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }
    void Release(int x, int y) const { ::SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

    CTestParent parent;
    HBITMAP bitmaps[4] = {};
    CSkinButton button;
};

// A click inside sends the command once, with the button's ID and window; a release outside sends nothing
// and leaves it unselected; a sticky button stays selected after its click.
TEST_F(SkinButtonTest, AClickInsideSendsTheCommandOnceAndAReleaseOutsideNothing) {
    Press();
    Release(5, 5);
    ASSERT_EQ(parent.Count(CSkinButton::kClickMessage), 1u);
    EXPECT_EQ(parent.received.back().wParam, 42u);
    EXPECT_EQ(reinterpret_cast<HWND>(parent.received.back().lParam), button.GetSafeHwnd());
    EXPECT_FALSE(button.IsSelected());

    button.SetSticky(true);
    Press();
    Release(60, 5);
    Release(-3, 5);
    Release(5, 25);
    EXPECT_EQ(parent.Count(CSkinButton::kClickMessage), 1u);
    EXPECT_FALSE(button.IsSelected());
    Press();
    Release(5, 5);
    EXPECT_TRUE(button.IsSelected());
    EXPECT_EQ(parent.Count(CSkinButton::kClickMessage), 2u);
}

// Space clicks when let go (held repeats do nothing more), Enter at once; both answer like a click, and
// the dialog manager is asked to hand Enter over instead of pressing a default button.
TEST_F(SkinButtonTest, SpaceAndEnterPressItAndItIsANamedTabStop) {
    EXPECT_TRUE(::GetWindowLongPtrA(button, GWL_STYLE) & WS_TABSTOP);
    button.SetToolTip("파일 검색");
    char text[32] = "";
    ::GetWindowTextA(button, text, sizeof(text));
    EXPECT_STREQ(text, "파일 검색");

    ::SendMessageA(button, WM_KEYDOWN, VK_SPACE, 1);
    ::SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0x40000001);
    EXPECT_EQ(parent.Count(CSkinButton::kClickMessage), 0u);
    ::SendMessageA(button, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(parent.Count(CSkinButton::kClickMessage), 1u);
    ::SendMessageA(button, WM_KEYUP, VK_SPACE, 0xC0000001);  // no press before it
    EXPECT_EQ(parent.Count(CSkinButton::kClickMessage), 1u);

    MSG enter{button, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
    EXPECT_TRUE(::SendMessageA(button, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
                DLGC_WANTMESSAGE);
    ::SendMessageA(button, WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_EQ(parent.Count(CSkinButton::kClickMessage), 2u);
    EXPECT_EQ(parent.received.back().wParam, 42u);
}

TEST(SkinButton, SetSelectedRepaintsOnlyOnAChange) {
    CTestParent parent(true);
    HBITMAP bitmap = SolidBitmap(40, 20, RGB(0, 0, 255));
    CSkinButton button;
    ASSERT_TRUE(button.Create(parent.Hwnd(), 10, 10, 1, bitmap, bitmap, bitmap, bitmap));
    ::DeleteObject(bitmap);
    auto HasUpdateRegion = [&button] { return ::GetUpdateRect(button, nullptr, FALSE) != FALSE; };
    ::ValidateRect(button, nullptr);
    button.SetSelected(false);
    EXPECT_FALSE(HasUpdateRegion());
    button.SetSelected(true);
    EXPECT_TRUE(HasUpdateRegion());
    ::ValidateRect(button, nullptr);
    button.SetSelected(true);
    EXPECT_FALSE(HasUpdateRegion());
}

TEST_F(SkinButtonTest, ASecondToolTipUpdatesTheOneTool) {
    button.SetToolTip("파일 다운로드");
    button.SetToolTip("환경 설정");
    HWND tip = nullptr;
    for (HWND hwnd = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); hwnd;
         hwnd = ::FindWindowExA(nullptr, hwnd, TOOLTIPS_CLASSA, nullptr)) {
        // A pop-up's owner is the top-level window of the control that created it.
        if (::GetWindow(hwnd, GW_OWNER) == parent.Hwnd())
            tip = hwnd;
    }
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    char text[80] = "";
    TOOLINFOA tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = button;
    tool.uId = 1;
    tool.lpszText = text;
    ::SendMessageA(tip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, "환경 설정");
    button.SetToolTip(nullptr);
    EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(SkinButtonTest, DestroyingTheObjectRemovesTheButton) {
    auto* extra = new CSkinButton;
    ASSERT_TRUE(extra->Create(parent.Hwnd(), 0, 0, 7, bitmaps[0], bitmaps[1], bitmaps[2], bitmaps[3]));
    HWND hwnd = extra->GetSafeHwnd();
    delete extra;
    EXPECT_FALSE(::IsWindow(hwnd));
}

}  // namespace
