#include "platform/MessageOwner.h"

#include <gtest/gtest.h>

namespace {

HWND MakeWindow(bool visible) {
    return ::CreateWindowExA(0, "STATIC", "owner test", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, 50, 50,
                             nullptr, nullptr, nullptr, nullptr);
}

// A box for a hidden window (the main window in the tray) or for none goes to the window the user looks at;
// a shown owner stays.
TEST(MessageOwner, AHiddenOrMissingOwnerGivesWayToTheActiveWindow) {
    HWND shown = MakeWindow(true);
    HWND hidden = MakeWindow(false);
    ::SetActiveWindow(shown);
    ASSERT_EQ(::GetActiveWindow(), shown);
    EXPECT_EQ(MessageOwnerFor(hidden), shown);
    EXPECT_EQ(MessageOwnerFor(nullptr), shown);

    HWND other = MakeWindow(true);
    EXPECT_EQ(MessageOwnerFor(other), other);
    ::DestroyWindow(other);
    ::DestroyWindow(hidden);
    ::DestroyWindow(shown);
}

}  // namespace
