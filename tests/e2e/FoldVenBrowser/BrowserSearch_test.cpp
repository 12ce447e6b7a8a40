#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/support/BrowserTest.h"

namespace {

using namespace BrowserIds;
using namespace WindowFinder;

constexpr WPARAM kExitCommand = 32776;
const char* const kSearchPath = "/getfilelist.aspx?step=2";
const std::string kPlaceholder = "검색어를 입력 하세요";

// The pixels of a rectangle of the screen, as the user sees them.
std::vector<unsigned char> ScreenPixels(const RECT& area) {
    const int cx = area.right - area.left;
    const int cy = area.bottom - area.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    // Top-down rows of 32-bit pixels.
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
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

// The browser logged in as "tester", its main window found.
class BrowserSearchTest : public BrowserAgainstDevServiceTest {
protected:
    // Types `keyword`, picks category `category` and presses the search button.
    void Search(const std::string& keyword, int category) {
        ::SendMessageA(::GetDlgItem(main, kSearchText), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(keyword.c_str()));
        ::SendMessageA(::GetDlgItem(main, kCategories), CB_SETCURSEL, category, 0);
        ::PostMessageA(main, kButtonClick, kSearchButton, 0);
    }
    HWND ResultList() {
        HWND results = nullptr;
        WaitUntil(
            [&] { return (results = RemoteControls::FindDescendant(main, "SysListView32", kResultList)); },
            kWait);
        return results;
    }
    // The search's "Info" box: its text, after which it is closed.
    std::string InfoBoxText() {
        HWND box = WaitForMessageBox(browser.Pid(), kWait);
        if (!box)
            return "(no box)";
        const std::string text = TextOf(box) + "|" + MessageBoxText(box);
        ClickButton(box, IDOK);
        WaitUntil([&] { return !::IsWindow(box); }, kWait);
        return text;
    }
    static int Count(HWND list) { return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

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
};

TEST_F(BrowserSearchTest, KeywordAndCategoryFindRowsAndEachSearchShowsOnlyItsOwn) {
    ASSERT_NO_FATAL_FAILURE(StartBrowser());
    Search("서울", 0);
    HWND results = ResultList();
    ASSERT_NE(results, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Count(results) == 3; }, kWait));
    EXPECT_EQ(
        RemoteControls::ListColumn(results, 0),
        (std::vector<std::string>{"서울의 밤 (2000)", "서울의 밤.2000.720p.mkv", "서울의 밤.2000.smi"}));
    EXPECT_EQ(RemoteControls::ListColumn(results, 1), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(RemoteControls::ListColumn(results, 2), (std::vector<std::string>{"", "1.01 GB", "90 KB"}))
        << "a folder has no size";
    EXPECT_EQ(DevService::CountRequests(kSearchPath), 1);
    EXPECT_NE(
        DevService::Log().find("GET /getfilelist.aspx?step=2&UID=tester&LID=IK7F3A21C0&STYPE=0&MD=SE"
                               "&Keyword=%BC%AD%BF%EF&SEARCHTYPE=0&start=0&\t\t\t\t\tcate1=movie&cate2=mo000"
                               "  HTTP/1.0\r\nAccept: */*\r\nUser-Agent: Parvo\r\nConnection: Keep-Alive\r\n"
                               "Host: " +
                               DevService::Address() + "\r\nCookie: \r\n\r\n"),
        std::string::npos)
        << DevService::Log();

    // The next search (TV, held back by the service) empties the rows before its own arrive. Meanwhile
    // every window of the program answers within a second whenever it is asked (every 100 ms).
    ASSERT_TRUE(DevService::Fault(kSearchPath, "delay", 1, "3000"));
    CResponsivenessProbe probe(browser.Pid(), 100);
    Search("서울", 2);
    ASSERT_TRUE(WaitUntil([&] { return DevService::CountRequests(kSearchPath) == 2; }, kWait));
    EXPECT_EQ(Count(results), 0);
    ASSERT_TRUE(WaitUntil([&] { return Count(results) == 4; }, kWait));
    ExpectAlwaysAnswered(probe, 20);
    Pause(300);
    EXPECT_EQ(RemoteControls::ListColumn(results, 0),
              (std::vector<std::string>{"더 킹 오브 서울 (전24화)", "더 킹 오브 서울 01화.avi",
                                        "더 킹 오브 서울 02화.avi", "더 킹 오브 서울 03화.avi"}));

    // Enter in the search field searches too: a refused keyword, then one that finds nothing.
    HWND field = ::GetDlgItem(main, kSearchText);
    ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("불법 영화"));
    ::PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(InfoBoxText(), "Info|검색 금지어 입니다.");
    Search("zzzz", 0);
    EXPECT_EQ(InfoBoxText(), "Info|일치하는 파일이 존재 하지 않습니다.!!!");
    EXPECT_EQ(Count(results), 0);
    EXPECT_EQ(DevService::CountRequests(kSearchPath), 4);
}

TEST_F(BrowserSearchTest, ClosingTheProgramDuringASlowSearchEndsItCleanly) {
    ASSERT_NO_FATAL_FAILURE(StartBrowser());
    ASSERT_TRUE(DevService::Fault(kSearchPath, "delay", 1, "8000"));
    Search("서울", 0);
    ASSERT_TRUE(WaitUntil([&] { return DevService::CountRequests(kSearchPath) == 1; }, kWait));
    const DWORD start = ::GetTickCount();
    ::PostMessageA(main, WM_COMMAND, kExitCommand, 0);
    ASSERT_TRUE(browser.WaitForExit(6000));  // well before the reply: nothing waits for the search
    EXPECT_LT(::GetTickCount() - start, 6000u);
    EXPECT_EQ(browser.ExitCode(), 0u);  // not a crash's exception code
}

TEST_F(BrowserSearchTest, ThePlaceholderGoesWhenTheUserEntersTheFieldAndIsNeverSearchedFor) {
    ASSERT_NO_FATAL_FAILURE(StartBrowser());
    HWND field = ::GetDlgItem(main, kSearchText);
    // The set-up ends with the tree taking the focus, which leaves the field with its placeholder.
    ASSERT_TRUE(WaitUntil([field] { return TextOf(field) == kPlaceholder; }, kWait));
    ClickControl(field);
    ASSERT_TRUE(WaitUntil([field] { return TextOf(field).empty(); }, kWait)) << TextOf(field);
    for (char c : std::string("abc"))
        ::PostMessageA(field, WM_CHAR, static_cast<WPARAM>(c), 1);
    ASSERT_TRUE(WaitUntil([field] { return TextOf(field) == "abc"; }, kWait)) << TextOf(field);
    ::PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitUntil([] { return DevService::CountRequests(kSearchPath) == 1; }, kWait));
    EXPECT_EQ(DevService::CountRequests("&Keyword=abc&"), 1) << DevService::Log();
}

// Controls the layout moves leave no copies of their old pixels: after maximising with the window's own
// button, restoring, and widening or narrowing by the border, the band looks as a full repaint draws it.
TEST_F(BrowserSearchTest, MovedControlsLeaveNoGhostsInTheSearchBand) {
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
