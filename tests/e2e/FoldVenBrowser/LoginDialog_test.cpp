#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/support/BrowserTest.h"

namespace {

using namespace WindowFinder;

const std::string kFirstNotice =
    "[필독] 폴드벤 브라우져 2.3.1.2 업데이트 안내 - 다운로드 속도 개선 및 검색 기능 준비중, 설치 전에 반드시 "
    "확인해 "
    "주세요";
const char* const kTesterLogin = "/login.aspx?UID=tester&";

// The browser against devservice, with the login dialog driven from outside as a user would.
class LoginDialogTest : public BrowserAgainstDevServiceTest {
protected:
    // Starts the browser with `args` and waits for its login dialog.
    void OpenDialog(const std::vector<std::string>& args = {kToken}) {
        ASSERT_TRUE(Start(args));
        dialog = WaitForLoginDialog(browser.Pid(), kWait);
        ASSERT_NE(dialog, nullptr);
    }
    HWND WaitForInfoBox(DWORD milliseconds) const {
        return WaitForWindow(
            browser.Pid(),
            [](HWND hwnd) {
                return ClassOf(hwnd) == "#32770" && TextOf(hwnd) == "Info" && ::GetDlgItem(hwnd, 0xFFFF);
            },
            milliseconds);
    }
    void Press(const char* label) const {
        HWND button = ChildWithText(dialog, label);
        ASSERT_NE(button, nullptr) << label;
        ClickControl(button);
    }
    void Cancel() {
        Press("취소");
        EXPECT_TRUE(browser.WaitForExit(kWait));
    }
    LRESULT Checked(int id) const { return ::SendMessageA(::GetDlgItem(dialog, id), BM_GETCHECK, 0, 0); }
    // Clicks a check box and waits until it shows `state`.
    void Tick(HWND box, LRESULT state) {
        ClickControl(box);
        ASSERT_TRUE(
            WaitUntil([box, state] { return ::SendMessageA(box, BM_GETCHECK, 0, 0) == state; }, kWait));
    }
    // The program's message: its text, after which it is closed with its "닫기" button.
    std::string CloseMessage() const {
        HWND message = WaitForProgramMessage(browser.Pid(), kWait);
        if (!message)
            return "(no message)";
        const std::string text = MessageBoxText(message);
        ClickControl(ChildWithText(message, "닫기"));
        WaitUntil([message] { return !::IsWindow(message); }, kWait);
        return text;
    }

    static std::string ReadString(const char* name) {
        char value[512] = "<missing>";
        DWORD size = sizeof(value);
        ::RegGetValueA(HKEY_CURRENT_USER, "Software\\FoldVen", name, RRF_RT_REG_SZ, nullptr, value, &size);
        return value;
    }
    // Logs in as `tester` through the dialog with the given check box ticked; the main window follows.
    void LogInThroughTheDialog(const char* checkBoxLabel) {
        ASSERT_NO_FATAL_FAILURE(OpenDialog());
        HWND box = ChildWithText(dialog, checkBoxLabel);
        ASSERT_NE(box, nullptr);
        ASSERT_NO_FATAL_FAILURE(Tick(box, BST_CHECKED));
        Type(dialog, 1001, "tester");
        Type(dialog, 1002, "test1234");
        Press("로그인");
        ASSERT_NE(WaitForMainWindow(), nullptr);
        EXPECT_FALSE(::IsWindow(dialog));
        EXPECT_EQ(DevService::CountRequests(kTesterLogin), 1);
        EXPECT_EQ(ReadDword("bSaveID"), 1u);
        EXPECT_EQ(ReadString("strSaveID"), "tester");
    }
    // The browser started again logs in once with the saved password, without dialog or error.
    void ExpectTheNextStartToLogInByItself() {
        KillProcessesNamed("FoldVenBrowser.exe");
        ASSERT_TRUE(DevService::Reset());
        CTestProcess next;
        ASSERT_TRUE(Start(next));
        ASSERT_NE(WaitForWindowOfClass(next.Pid(), "FOldVenClass", kWait), nullptr);
        EXPECT_EQ(DevService::CountRequests(kTesterLogin), 1);
        EXPECT_EQ(DevService::CountRequests("/login.aspx?UID=tester&PWD=test1234&"), 1);
        EXPECT_EQ(DevService::CountRequests("/notice.aspx"), 0);  // no dialog was opened
        EXPECT_EQ(WaitForMessageBox(next.Pid(), 0), nullptr);
    }

    HWND dialog = nullptr;
};

// One start: the notices, then an empty ID and an empty password refused in the message dialog.
TEST_F(LoginDialogTest, ShowsTheNoticesAndRefusesEmptyIdThenEmptyPassword) {
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    EXPECT_EQ(TextOf(dialog), "FoldVen");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1026)), "진행중인 이벤트가 없습니다.");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1027)), kFirstNotice);
    EXPECT_FALSE(TextOf(::GetDlgItem(dialog, 1028)).empty());
    EXPECT_NE(TextOf(::GetDlgItem(dialog, 1028)), kFirstNotice);
    EXPECT_EQ(DevService::CountRequests("/notice.aspx"), 1);
    for (const char* label :
         {"로그인", "취소", "아이디 찾기", "비밀번호 찾기", "아이디 저장", "자동으로 로그인하기"})
        EXPECT_NE(ChildWithText(dialog, label), nullptr) << label;

    Press("로그인");
    HWND message = WaitForProgramMessage(browser.Pid(), kWait);
    ASSERT_NE(message, nullptr);
    RECT frame{};
    ::GetWindowRect(message, &frame);
    EXPECT_EQ(frame.right - frame.left, 358);
    EXPECT_GT(frame.bottom - frame.top, 87);  // one measured line and the frame
    EXPECT_LT(frame.bottom - frame.top, 87 + 30);
    EXPECT_EQ(CloseMessage(), "아이디가 입력되지 않았습니다.");

    Type(dialog, 1001, "tester");
    Press("로그인");
    EXPECT_EQ(CloseMessage(), "비밀번호가 입력되지 않았습니다.");

    EXPECT_TRUE(::IsWindow(dialog));
    EXPECT_EQ(DevService::CountRequests("/login.aspx"), 0);
    Cancel();
}

// The program waits 3 s and 6 s between its attempts before it reports; a probe keeps asking its windows
// to answer meanwhile, as Windows does before it calls a window "not responding".
TEST_F(LoginDialogTest, AWrongPasswordIsReportedOnceAfterThreeAttemptsAndTheDialogAnswersMeanwhile) {
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    Type(dialog, 1001, "tester");
    Type(dialog, 1002, "wrong-password");
    CResponsivenessProbe probe(browser.Pid(), 100);
    Press("로그인");
    HWND box = WaitForInfoBox(40000);
    ExpectAlwaysAnswered(probe);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "비밀번호가 정확하지가 않습니다.!!!");
    EXPECT_EQ(DevService::CountRequests(kTesterLogin), 3);
    // The box's message loop reaches the dialog: a login pressed there while the failed one is still
    // being reported must not count as a success.
    Press("로그인");
    Pause(500);
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitUntil([box] { return !::IsWindow(box); }, kWait));

    Pause(2000);
    EXPECT_EQ(WaitForInfoBox(0), nullptr);
    EXPECT_EQ(WaitForMainWindow(0), nullptr);
    EXPECT_TRUE(::IsWindow(dialog));
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1001)), "tester");
    EXPECT_EQ(DevService::CountRequests(kTesterLogin), 3);
}

TEST_F(LoginDialogTest, SavingTheIdLeavesThePasswordSettingsAlone) {
    TestInstall::SaveCredentials(0, "", 0, "kept-elsewhere");
    LogInThroughTheDialog("아이디 저장");
    EXPECT_EQ(ReadDword("bKeepPassword"), 0u);
    EXPECT_EQ(TestInstall::SavedPassword(), "kept-elsewhere");  // rewritten protected, not changed
}

TEST_F(LoginDialogTest, AutomaticLoginSkipsTheDialogOnTheNextStart) {
    LogInThroughTheDialog("자동으로 로그인하기");
    EXPECT_EQ(ReadDword("bKeepPassword"), 1u);
    // Protected: the registry never holds it in plain text.
    EXPECT_EQ(TestInstall::SavedPassword(), "test1234");
    ExpectTheNextStartToLogInByItself();
}

// "-r" shows the dialog filled in without logging in; unticking "자동으로 로그인하기" there is kept.
TEST_F(LoginDialogTest, DashRShowsTheDialogFilledInAndUntickingAutomaticLoginEndsIt) {
    TestInstall::SaveCredentials(1, "tester", 1, "test1234");
    ASSERT_NO_FATAL_FAILURE(OpenDialog({kToken, "-r"}));
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1001)), "tester");
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1002)), "test1234");
    // The boxes show the saved choices.
    EXPECT_EQ(Checked(1003), BST_CHECKED);
    EXPECT_EQ(Checked(1004), BST_CHECKED);
    EXPECT_EQ(DevService::CountRequests("/login.aspx"), 0);
    // The plain text an earlier version saved is now stored protected.
    EXPECT_EQ(TestInstall::SavedPassword(), "test1234");

    ASSERT_NO_FATAL_FAILURE(Tick(::GetDlgItem(dialog, 1004), BST_UNCHECKED));
    Press("로그인");
    ASSERT_NE(WaitForMainWindow(), nullptr);
    EXPECT_EQ(ReadDword("bKeepPassword"), 0u);
    EXPECT_EQ(ReadDword("bSaveID"), 1u);
}

// A saved password gone out of date: the failed automatic login opens the dialog with automatic login
// still chosen; logging in there with the right password saves that one, so the next start logs in by
// itself without an error.
TEST_F(LoginDialogTest, AStalePasswordIsReplacedByTheOneThatWorked) {
    TestInstall::SaveCredentials(1, "tester", 1, "no-longer-valid");
    ASSERT_TRUE(Start());
    HWND box = WaitForInfoBox(40000);
    ASSERT_NE(box, nullptr);
    ClickButton(box, IDOK);
    dialog = WaitForLoginDialog(browser.Pid(), kWait);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(::GetDlgItem(dialog, 1001)), "tester");
    EXPECT_EQ(DevService::CountRequests(kTesterLogin), 3);
    EXPECT_EQ(Checked(1004), BST_CHECKED);

    Type(dialog, 1002, "test1234");  // the boxes left as they are
    Press("로그인");
    ASSERT_NE(WaitForMainWindow(), nullptr);
    EXPECT_EQ(ReadDword("bKeepPassword"), 1u);
    EXPECT_EQ(TestInstall::SavedPassword(), "test1234");
    ExpectTheNextStartToLogInByItself();
}

// The focus goes to the first field still to be filled in: the password when only the ID is saved.
TEST_F(LoginDialogTest, WithOnlyTheIdSavedThePasswordFieldHasTheFocus) {
    TestInstall::SaveCredentials(1, "tester", 0, "");
    ASSERT_NO_FATAL_FAILURE(OpenDialog());
    EXPECT_TRUE(WaitUntil([this] { return FocusOf(dialog) == ::GetDlgItem(dialog, 1002); }, 5000))
        << "focus on control " << ::GetDlgCtrlID(FocusOf(dialog));
    Cancel();
}

}  // namespace
