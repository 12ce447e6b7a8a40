#include "VenUpdater/app/Shortcut.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

namespace {

// The link's path for IPersistFile::Save, converted whole whatever its length; empty when it cannot be
// converted.
std::wstring WidePath(const std::string& path) {
    const int length = ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path.c_str(), -1, nullptr, 0);
    if (length <= 1)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path.c_str(), -1, &wide[0], length) != length)
        return std::wstring();
    wide.resize(static_cast<std::size_t>(length) - 1);
    return wide;
}

}  // namespace

int CreateShortcut(const std::string& target, const std::string& folder, const std::string& linkName,
                   const std::string& iconPath, const std::string& description, HWND owner) {
    const HRESULT init = ::CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link)))) {
        if (SUCCEEDED(init))
            ::CoUninitialize();
        return 0;
    }
    link->SetPath(target.c_str());
    link->SetDescription(description.c_str());
    link->SetWorkingDirectory(target.substr(0, target.find_last_of('\\')).c_str());
    if (!iconPath.empty())
        link->SetIconLocation(iconPath.c_str(), 0);
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const std::wstring wide = WidePath(folder + "\\" + linkName);
        if (wide.empty() || file->Save(wide.c_str(), TRUE) != S_OK)
            ::MessageBoxA(owner, "Error", "", MB_OK);
        file->Release();
    }
    link->Release();
    if (SUCCEEDED(init))
        ::CoUninitialize();
    return 1;
}
