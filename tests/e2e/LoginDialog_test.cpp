#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/support/BrowserTest.h"
#include "tests/e2e/support/DevService.h"
#include "tests/e2e/support/TestInstall.h"
#include "tests/e2e/support/TestProcess.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

using namespace WindowFinder;

constexpr DWORD kWait = 20000;
const char* kToken = "qmtzvbka";
const std::string kFirstNotice =
    "[필독] 폴드벤 브라우져 2.3.1.2 업데이트 안내 - 다운로드 속도 개선 및 검색 기능 준비중, 설치 전에 반드시 "
    "확인해 "
    "주세요";

// The browser against devservice, with the login dialog driven from outside as a user would.
class LoginDialogTest : public BrowserAgainstDevServiceTest {
protected:
    bool Start(CTestProcess& browser, const std::vector<std::string>& args) const {
        return browser.Start(folder + "FoldVenBrowser.exe", args, folder, DevService::HostEnvironment());
    }

    static HWND WaitForInfoBox(const CTestProcess& browser, DWORD milliseconds) {
        return WaitForWindow(
            browser.Pid(),
            [](HWND hwnd) {
                return ClassOf(hwnd) == "#32770" && TextOf(hwnd) == "Info" && ::GetDlgItem(hwnd, 0xFFFF);
            },
            milliseconds);
    }
    static HWND WaitForMainWindow(const CTestProcess& browser, DWORD milliseconds = kWait) {
        return WaitForWindowOfClass(browser.Pid(), "FOldVenClass", milliseconds);
    }

    static void Type(HWND dialog, int id, const std::string& text) {
        ::SendMessageA(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    static void PressLogin(HWND dialog) {
        HWND button = ChildWithText(dialog, "로그인");
        ASSERT_NE(button, nullptr);
        ClickControl(button);
    }
    static void CloseMessage(HWND message) {
        HWND close = ChildWithText(message, "닫기");
        ASSERT_NE(close, nullptr);
        ClickControl(close);
    }

    static DWORD ReadDword(const char* name) {
        DWORD value = 0xFFFFFFFF;
        DWORD size = sizeof(value);
        ::RegGetValueA(HKEY_CURRENT_USER, "Software\\FoldVen", name, RRF_RT_REG_DWORD, nullptr, &value,
                       &size);
        return value;
    }
    static std::string ReadString(const char* name) {
        char value[512] = "<missing>";
        DWORD size = sizeof(value);
        ::RegGetValueA(HKEY_CURRENT_USER, "Software\\FoldVen", name, RRF_RT_REG_SZ, nullptr, value, &size);
        return value;
    }
    // Logs in as `tester` through the dialog with the given check box ticked; the main window follows.
    void LogInThroughTheDialog(const char* checkBoxLabel) {
        CTestProcess browser;
        ASSERT_TRUE(Start(browser, {kToken}));
        HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
        ASSERT_NE(dialog, nullptr);
        HWND box = ChildWithText(dialog, checkBoxLabel);
        ASSERT_NE(box, nullptr);
        ClickControl(box);
        ASSERT_TRUE(
            WaitUntil([box] { return ::SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }, kWait));
        Type(dialog, 1001, "tester");
        Type(dialog, 1002, "test1234");
        PressLogin(dialog);
        ASSERT_NE(WaitForMainWindow(browser), nullptr);
        EXPECT_FALSE(::IsWindow(dialog));
        EXPECT_EQ(DevService::CountRequests("/login.aspx?UID=tester&"), 1);
    }
    // The browser started again logs in once with the saved password, without dialog or error.
    void ExpectTheNextStartToLogInByItself() {
        KillProcessesNamed("FoldVenBrowser.exe");
        ASSERT_TRUE(DevService::Reset());
        CTestProcess next;
        ASSERT_TRUE(Start(next, {kToken}));
        ASSERT_NE(WaitForMainWindow(next), nullptr);
        EXPECT_EQ(DevService::CountRequests("/login.aspx?UID=tester&"), 1);
        EXPECT_EQ(DevService::CountRequests("/login.aspx?UID=tester&PWD=test1234&"), 1);
        EXPECT_EQ(DevService::CountRequests("/notice.aspx"), 0);  // no dialog was opened
        EXPECT_EQ(WaitForInfoBox(next, 0), nullptr);
    }
};

// One start: the notices, then an empty ID and an empty password refused in the message dialog.
TEST_F(LoginDialogTest, ShowsTheNoticesAndRefusesEmptyIdThenEmptyPassword) {
    CTestProcess browser;
    ASSERT_TRUE(Start(browser, {kToken}));
    HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), "FoldVen");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1026)), "진행중인 이벤트가 없습니다.");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1027)), kFirstNotice);
    EXPECT_FALSE(TextOf(::GetDlgItem(dialog, 1028)).empty());
    EXPECT_NE(TextOf(::GetDlgItem(dialog, 1028)), kFirstNotice);
    EXPECT_EQ(DevService::CountRequests("/notice.aspx"), 1);
    for (const char* label :
         {"로그인", "취소", "아이디 찾기", "비밀번호 찾기", "아이디 저장", "자동으로 로그인하기"})
        EXPECT_NE(ChildWithText(dialog, label), nullptr) << label;

    PressLogin(dialog);
    HWND message = WaitForProgramMessage(browser.Pid(), kWait);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(MessageBoxText(message), "아이디가 입력되지 않았습니다.");
    RECT frame{};
    ::GetWindowRect(message, &frame);
    EXPECT_EQ(frame.right - frame.left, 358);
    EXPECT_GT(frame.bottom - frame.top, 87);  // one measured line and the frame
    EXPECT_LT(frame.bottom - frame.top, 87 + 30);
    CloseMessage(message);
    ASSERT_TRUE(WaitUntil([message] { return !::IsWindow(message); }, kWait));

    Type(dialog, 1001, "tester");
    PressLogin(dialog);
    message = WaitForProgramMessage(browser.Pid(), kWait);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(MessageBoxText(message), "비밀번호가 입력되지 않았습니다.");
    CloseMessage(message);
    ASSERT_TRUE(WaitUntil([message] { return !::IsWindow(message); }, kWait));

    EXPECT_TRUE(::IsWindow(dialog));
    EXPECT_EQ(DevService::CountRequests("/login.aspx"), 0);
    ClickControl(ChildWithText(dialog, "취소"));
    EXPECT_TRUE(browser.WaitForExit(kWait));
}

TEST_F(LoginDialogTest, AWrongPasswordIsReportedOnceAfterThreeAttempts) {
    CTestProcess browser;
    ASSERT_TRUE(Start(browser, {kToken}));
    HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
    ASSERT_NE(dialog, nullptr);
    Type(dialog, 1001, "tester");
    Type(dialog, 1002, "wrong-password");
    PressLogin(dialog);

    // The program waits 3 s and 6 s between its attempts before it reports.
    HWND box = WaitForInfoBox(browser, 40000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "비밀번호가 정확하지가 않습니다.!!!");
    EXPECT_EQ(DevService::CountRequests("/login.aspx?UID=tester&"), 3);
    // The box's message loop reaches the dialog: a login pressed there while the failed one is still
    // being reported must not count as a success.
    PressLogin(dialog);
    Pause(500);
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([box] { return !::IsWindow(box); }, kWait));

    Pause(2000);
    EXPECT_EQ(WaitForInfoBox(browser, 0), nullptr);
    EXPECT_EQ(WaitForMainWindow(browser, 0), nullptr);
    EXPECT_TRUE(::IsWindow(dialog));
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1001)), "tester");
    EXPECT_EQ(DevService::CountRequests("/login.aspx?UID=tester&"), 3);
}

TEST_F(LoginDialogTest, SavingTheIdLeavesThePasswordSettingsAlone) {
    TestInstall::SaveCredentials(0, "", 0, "kept-elsewhere");
    LogInThroughTheDialog("아이디 저장");
    EXPECT_EQ(ReadDword("bSaveID"), 1u);
    EXPECT_EQ(ReadString("strSaveID"), "tester");
    EXPECT_EQ(ReadDword("bKeepPassword"), 0u);
    EXPECT_EQ(TestInstall::SavedPassword(), "kept-elsewhere");  // rewritten protected, not changed
}

TEST_F(LoginDialogTest, AutomaticLoginSkipsTheDialogOnTheNextStart) {
    LogInThroughTheDialog("자동으로 로그인하기");
    EXPECT_EQ(ReadDword("bSaveID"), 1u);
    EXPECT_EQ(ReadString("strSaveID"), "tester");
    EXPECT_EQ(ReadDword("bKeepPassword"), 1u);
    // Protected: the registry never holds it in plain text.
    EXPECT_EQ(TestInstall::SavedPassword(), "test1234");
    ExpectTheNextStartToLogInByItself();
}

TEST_F(LoginDialogTest, DashRShowsTheDialogFilledInWithoutLoggingIn) {
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");
    CTestProcess browser;
    ASSERT_TRUE(Start(browser, {kToken, "-r"}));
    HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1001)), "tester");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1002)), "test1234");
    // The boxes show the saved choices.
    EXPECT_EQ(::SendMessageA(::GetDlgItem(dialog, 1003), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendMessageA(::GetDlgItem(dialog, 1004), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(DevService::CountRequests("/login.aspx"), 0);
    // The plain text an earlier version saved is now stored protected.
    EXPECT_EQ(TestInstall::SavedPassword(), "test1234");

    ClickControl(ChildWithText(dialog, "취소"));
    EXPECT_TRUE(browser.WaitForExit(kWait));
}

TEST_F(LoginDialogTest, ASavedPasswordThatCannotBeUnprotectedLeadsToTheDialog) {
    TestInstall::SaveCredentials(1, "tester", 1, "");
    TestInstall::SaveProtectedPassword(std::string("\x01\0\0\0damaged or another user's", 28));
    CTestProcess browser;
    ASSERT_TRUE(Start(browser, {kToken}));
    HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1001)), "tester");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1002)), "");
    EXPECT_EQ(DevService::CountRequests("/login.aspx"), 0);
}

// A saved password gone out of date: the failed automatic login opens the dialog with automatic login
// still chosen; logging in there with the right password saves that one, so the next start logs in by
// itself without an error.
TEST_F(LoginDialogTest, AStalePasswordIsReplacedByTheOneThatWorked) {
    TestInstall::SaveCredentials(1, "tester", 1, "no-longer-valid");
    CTestProcess browser;
    ASSERT_TRUE(Start(browser, {kToken}));
    HWND box = WaitForInfoBox(browser, 40000);
    ASSERT_NE(box, nullptr);
    ClickButton(box, IDOK);
    HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1001)), "tester");
    EXPECT_EQ(DevService::CountRequests("/login.aspx?UID=tester&"), 3);
    EXPECT_EQ(::SendMessageA(::GetDlgItem(dialog, 1004), BM_GETCHECK, 0, 0), BST_CHECKED);

    Type(dialog, 1002, "test1234");  // the boxes left as they are
    PressLogin(dialog);
    ASSERT_NE(WaitForMainWindow(browser), nullptr);
    EXPECT_EQ(ReadDword("bKeepPassword"), 1u);
    EXPECT_EQ(TestInstall::SavedPassword(), "test1234");
    ExpectTheNextStartToLogInByItself();
}

// Unticking "자동으로 로그인하기" is kept: the next start asks again.
TEST_F(LoginDialogTest, UntickingAutomaticLoginEndsIt) {
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");
    CTestProcess browser;
    ASSERT_TRUE(Start(browser, {kToken, "-r"}));
    HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
    ASSERT_NE(dialog, nullptr);
    HWND automatic = ::GetDlgItem(dialog, 1004);
    ClickControl(automatic);
    ASSERT_TRUE(WaitUntil(
        [automatic] { return ::SendMessageA(automatic, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }, kWait));
    PressLogin(dialog);
    ASSERT_NE(WaitForMainWindow(browser), nullptr);
    EXPECT_EQ(ReadDword("bKeepPassword"), 0u);
    EXPECT_EQ(ReadDword("bSaveID"), 1u);
}

// The focus goes to the first field still to be filled in: the password when only the ID is saved.
TEST_F(LoginDialogTest, WithOnlyTheIdSavedThePasswordFieldHasTheFocus) {
    TestInstall::SaveCredentials(1, "tester", 0, "");
    CTestProcess browser;
    ASSERT_TRUE(Start(browser, {kToken}));
    HWND dialog = WaitForLoginDialog(browser.Pid(), kWait);
    ASSERT_NE(dialog, nullptr);
    const auto focus = [dialog] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info);
        return info.hwndFocus;
    };
    EXPECT_TRUE(WaitUntil([&] { return focus() == ::GetDlgItem(dialog, 1002); }, 5000))
        << "focus on control " << ::GetDlgCtrlID(focus());
    ClickControl(ChildWithText(dialog, "취소"));
    EXPECT_TRUE(browser.WaitForExit(kWait));
}

}  // namespace
