#include "win/ModulePath.h"

#include <windows.h>

#include <vector>

std::string ModuleFileName() {
    std::vector<char> buffer(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return std::string();
        if (n < buffer.size())
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);  // long paths: grow until the name fits
    }
}

std::string ModuleFolder() {
    const std::string file = ModuleFileName();
    const size_t slash = file.find_last_of('\\');
    return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}
