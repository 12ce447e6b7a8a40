#pragma once

#include <windows.h>

// What the end-to-end tests address in the browser's main window: control IDs of its resources and the
// message its skinned buttons send their parent.
namespace BrowserIds {

constexpr UINT kButtonClick = WM_USER + 500;
constexpr int kMaximizeButton = 101;
constexpr int kSearchButton = 14;
constexpr int kRemoteList = 1017;
constexpr int kResultList = 1031;
constexpr int kSearchText = 1032;
constexpr int kCategories = 1033;

}  // namespace BrowserIds
