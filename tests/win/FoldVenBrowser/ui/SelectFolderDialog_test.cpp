#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <thread>

#include "FoldVenBrowser/ui/SelectFolderDialog.h"
#include "tests/e2e/support/WindowFinder.h"

namespace {

const char* kTitle = "기본으로 저장될 폴더를 선택해 주세요";

// Drives the picker from a second thread, as a user would, while the test's thread runs it modally.
class PickerDriver {
public:
    HWND Frame() {
        HWND frame = nullptr;
        WindowFinder::WaitUntil(
            [&] {
                frame = ::FindWindowA(nullptr, kTitle);
                return frame && ::GetDlgItem(frame, CSelectFolderDialog::kPathEditId);
            },
            10000);
        return frame;
    }
    static std::string PathField(HWND frame) {
        return WindowFinder::TextOf(::GetDlgItem(frame, CSelectFolderDialog::kPathEditId));
    }
    static void Select(HWND frame, const std::string& typed) {
        ::SendMessageA(::GetDlgItem(frame, CSelectFolderDialog::kPathEditId), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(typed.c_str()));
        ::PostMessageA(frame, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(::GetDlgItem(frame, IDOK)));
    }
    // The text of the error box that pressing "선택" brought up, which is then closed.
    static std::string ErrorShown() {
        HWND box = WindowFinder::WaitForMessageBox(::GetCurrentProcessId(), 10000);
        if (!box)
            return "(no message)";
        const std::string text = WindowFinder::TextOf(box) + "|" + WindowFinder::MessageBoxText(box);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        WindowFinder::WaitUntil([&] { return !::IsWindow(box); }, 5000);
        return text;
    }
};

INT_PTR RunPicker(CSelectFolderDialog& picker, const std::function<void()>& drive) {
    std::thread driver(drive);
    const INT_PTR result = picker.DoModal();
    driver.join();
    return result;
}

}  // namespace

TEST(SelectFolderDialog, ChecksTypedPathsAndFollowsBrowsing) {
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string system32 = std::string(windows) + "\\system32";
    std::string field, badPath, missing, afterUp;
    CSelectFolderDialog picker(FALSE, system32.c_str(), 0x806, nullptr, nullptr, kTitle);
    const INT_PTR result = RunPicker(picker, [&] {
        PickerDriver driver;
        HWND frame = driver.Frame();
        if (!frame)
            return;
        field = PickerDriver::PathField(frame);
        PickerDriver::Select(frame, "C:\\\\windows");
        badPath = PickerDriver::ErrorShown();
        PickerDriver::Select(frame, "\\");
        missing = PickerDriver::ErrorShown();
        // Up one folder with the dialog's own toolbar command: the field follows.
        ::PostMessageA(frame, WM_COMMAND, 0xA001, 0);
        WindowFinder::WaitUntil(
            [&] { return _stricmp(PickerDriver::PathField(frame).c_str(), windows) == 0; }, 5000);
        afterUp = PickerDriver::PathField(frame);
        // An empty field takes the folder shown.
        PickerDriver::Select(frame, "");
    });
    EXPECT_STRCASEEQ(field.c_str(), system32.c_str());
    EXPECT_EQ(badPath, "폴드벤|잘못된 경로입니다.");
    EXPECT_EQ(missing, "폴드벤|존재하지 않는 경로입니다");
    EXPECT_STRCASEEQ(afterUp.c_str(), windows);
    EXPECT_EQ(result, IDOK);
    EXPECT_STRCASEEQ(picker.GetSelectedPath().c_str(), (std::string(windows) + "\\").c_str());

    CSelectFolderDialog root(FALSE, "", 0x806, nullptr, nullptr, kTitle);
    EXPECT_EQ(RunPicker(root, [] { PickerDriver::Select(PickerDriver().Frame(), "C:\\"); }), IDOK);
    EXPECT_EQ(root.GetSelectedPath(), "C:\\");
}
