#include "VenUpdater/app/Shortcut.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

int CreateShortcut(const std::string& target, const std::string& folder, const std::string& linkName,
                   const std::string& iconPath, const std::string& description) {
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
        const std::string linkPath = folder + "\\" + linkName;
        wchar_t wide[MAX_PATH] = {};
        ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, linkPath.c_str(), -1, wide, MAX_PATH);
        if (file->Save(wide, TRUE) != S_OK)
            ::MessageBoxA(nullptr, "Error", "", MB_OK);
        file->Release();
    }
    link->Release();
    if (SUCCEEDED(init))
        ::CoUninitialize();
    return 1;
}
