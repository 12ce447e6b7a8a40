#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/support/BrowserIds.h"
#include "tests/e2e/support/BrowserTest.h"
#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

using namespace BrowserIds;
using namespace WindowFinder;

constexpr DWORD kWait = 30000;
const std::string kPlaceholder = "검색어를 입력 하세요";

// The pixels of a rectangle of the screen, as the user sees them.
std::vector<unsigned char> ScreenPixels(const RECT& area) {
    const int cx = area.right - area.left;
    const int cy = area.bottom - area.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, cx, cy, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    std::vector<unsigned char> pixels(static_cast<const unsigned char*>(bits),
                                      static_cast<const unsigned char*>(bits) + 4 * cx * cy);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// How many pixels of two pictures of one size differ.
int DifferingPixels(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    int differing = 0;
    for (std::size_t i = 0; i + 3 < a.size() && i + 3 < b.size(); i += 4)
        differing += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2];
    return differing;
}

class SearchBandTest : public BrowserAgainstDevServiceTest {
protected:
    void StartBrowser() {
        main = StartLoggedIn(browser);
        ASSERT_NE(main, nullptr);
        field = ::GetDlgItem(main, kSearchText);
        // The set-up ends with the tree taking the focus, which leaves the field with its placeholder.
        ASSERT_TRUE(WaitUntil([this] { return TextOf(field) == kPlaceholder; }, kWait));
    }

    // The band from the category list to the window's right edge, across the search field, in screen
    // coordinates.
    RECT SearchBand() const {
        RECT combo{};
        RECT window{};
        ::GetWindowRect(::GetDlgItem(main, kCategories), &combo);
        ::GetWindowRect(main, &window);
        return RECT{combo.left - 30, combo.top - 6, window.right - 8, combo.top + 26};
    }
    // The band as it shows now, and after the whole window has painted itself anew: the count of pixels
    // that differ.
    int StaleBandPixels() {
        Pause(1500);
        const RECT band = SearchBand();
        const std::vector<unsigned char> shown = ScreenPixels(band);
        ::RedrawWindow(main, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pause(1500);
        return DifferingPixels(shown, ScreenPixels(band));
    }

    CTestProcess browser;
    HWND main = nullptr;
    HWND field = nullptr;
};

TEST_F(SearchBandTest, ThePlaceholderGoesWhenTheUserEntersTheFieldAndIsNeverSearchedFor) {
    ASSERT_NO_FATAL_FAILURE(StartBrowser());
    ClickControl(field);
    ASSERT_TRUE(WaitUntil([this] { return TextOf(field).empty(); }, kWait)) << TextOf(field);
    for (char c : std::string("abc"))
        ::PostMessageA(field, WM_CHAR, static_cast<WPARAM>(c), 1);
    ASSERT_TRUE(WaitUntil([this] { return TextOf(field) == "abc"; }, kWait)) << TextOf(field);
    ::PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitUntil([] { return DevService::CountRequests("/getfilelist.aspx?step=2") == 1; }, kWait));
    EXPECT_EQ(DevService::CountRequests("&Keyword=abc&"), 1) << DevService::Log();
}

// Controls the layout moves leave no copies of their old pixels: after maximising with the window's own
// button, restoring, and widening or narrowing by the border, the band looks as a full repaint draws it.
TEST_F(SearchBandTest, MovedControlsLeaveNoGhostsInTheSearchBand) {
    ASSERT_NO_FATAL_FAILURE(StartBrowser());
    ::SetForegroundWindow(main);
    const RECT start = [this] {
        RECT rc{};
        ::GetWindowRect(main, &rc);
        return rc;
    }();
    // The cursor stays off the band: hover looks are no ghosts.
    ::SetCursorPos(start.left + 300, start.top + 300);

    ::PostMessageA(main, kButtonClick, kMaximizeButton, 0);
    ASSERT_TRUE(WaitUntil([this] { return ::IsZoomed(main) != FALSE; }, kWait));
    ::SetCursorPos(300, 300);
    EXPECT_EQ(StaleBandPixels(), 0) << "after maximising";

    ::PostMessageA(main, kButtonClick, kMaximizeButton, 0);
    ASSERT_TRUE(WaitUntil([this] { return ::IsZoomed(main) == FALSE; }, kWait));
    ::SetCursorPos(start.left + 300, start.top + 300);
    EXPECT_EQ(StaleBandPixels(), 0) << "after restoring";

    for (int width : {1100, 960, 1210}) {
        ::SetWindowPos(main, nullptr, 0, 0, width, start.bottom - start.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(StaleBandPixels(), 0) << "after a resize to " << width;
    }
}

}  // namespace
