#pragma once

#include <windows.h>

#include <string>

// Loads a string from the program's string table (CP949).
std::string LoadResString(UINT id);
