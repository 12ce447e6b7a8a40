#pragma once

#include <windows.h>

#include <string>

// Writes one shell link `folder`\`linkName`. 0 when the shell-link object cannot be made, else 1; a
// failed save shows "Error" over `owner`.
int CreateShortcut(const std::string& target, const std::string& folder, const std::string& linkName,
                   const std::string& iconPath, const std::string& description, HWND owner = nullptr);
