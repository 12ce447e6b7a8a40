#include "VenUpdater/update/BrowserCommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(BrowserCommandLine, TokenThenFourEmptyArguments) {
    EXPECT_EQ(BrowserCommandLine("C:\\FoldVen\\FoldVenBrowser.exe", {}),
              "C:\\FoldVen\\FoldVenBrowser.exe qmtzvbka    ");
    EXPECT_EQ(BrowserCommandLine("C:\\Program Files\\FoldVen\\FoldVenBrowser.exe", {"a", "", "c", ""}),
              "\"C:\\Program Files\\FoldVen\\FoldVenBrowser.exe\" qmtzvbka a  c ");
}

}  // namespace
