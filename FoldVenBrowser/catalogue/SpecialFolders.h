#pragma once

#include <string>

// The service's special folders keep internal names; the views show them translated.
std::string DisplayName(const std::string& name);
// The reverse for the names the tree shows; "포토 앨범" stays as it is.
std::string InternalName(const std::string& text);
