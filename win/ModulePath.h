#pragma once

#include <string>

// The running program's file name, and its folder up to and including the last backslash.
std::string ModuleFileName();
std::string ModuleFolder();
