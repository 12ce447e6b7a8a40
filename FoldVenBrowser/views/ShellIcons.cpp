#include "FoldVenBrowser/views/ShellIcons.h"

#include <shellapi.h>

#include "FoldVenBrowser/catalogue/TreeRules.h"
#include "FoldVenBrowser/res/resource.h"

namespace {

constexpr UINT kSmallIconFlags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES;

}  // namespace

CShellIcons& CShellIcons::Get() {
    static CShellIcons icons;
    return icons;
}

HIMAGELIST CShellIcons::ImageList() {
    if (m_list == nullptr) {
        SHFILEINFOA info{};
        m_list =
            reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA("*.*", 0, &info, sizeof(info), kSmallIconFlags));
    }
    return m_list;
}

int CShellIcons::ProgramIcon(UINT iconId) {
    const auto known = m_programIcons.find(iconId);
    if (known != m_programIcons.end())
        return known->second;
    HIMAGELIST list = ImageList();
    if (list == nullptr)
        return -1;
    HICON icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId),
                                                 IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (icon == nullptr)
        return -1;
    const int index = ::ImageList_ReplaceIcon(list, -1, icon);
    ::DestroyIcon(icon);
    if (index >= 0)
        m_programIcons[iconId] = index;
    return index;
}

int CShellIcons::FileIcon(const std::string& name) {
    const FileIconKey key = FileIconKeyOf(name);
    const auto known = m_fileIcons.find(key.key);
    if (known != m_fileIcons.end())
        return known->second;
    SHFILEINFOA info{};
    const DWORD attributes = key.folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    const DWORD_PTR list = ::SHGetFileInfoA(name.c_str(), attributes, &info, sizeof(info), kSmallIconFlags);
    if (list == 0)
        return 0;  // not remembered: the next row asks again
    if (m_list == nullptr)
        m_list = reinterpret_cast<HIMAGELIST>(list);
    m_fileIcons[key.key] = info.iIcon;
    return info.iIcon;
}

int CatalogueIconIndex(CatalogueIcon icon, const std::string& name) {
    CShellIcons& icons = CShellIcons::Get();
    switch (icon) {
        case CatalogueIcon::kAdultFolder:
            return icons.ProgramIcon(IDI_ADULT_FOLDER);
        case CatalogueIcon::kParentRow:
            return icons.ProgramIcon(IDI_PARENT_ROW);
        case CatalogueIcon::kRoot:
            return icons.ProgramIcon(IDI_CATALOGUE_ROOT);
        case CatalogueIcon::kCategory1:
            return icons.ProgramIcon(IDI_CATEGORY1);
        case CatalogueIcon::kCategory2:
            return icons.ProgramIcon(IDI_CATEGORY2);
        case CatalogueIcon::kShellFolder:
            return icons.FolderIcon();
        case CatalogueIcon::kShellFile:
            return icons.FileIcon(name);
    }
    return 0;
}
