#include "FoldVenBrowser/views/ShellIcons.h"

#include <shellapi.h>

#include "FoldVenBrowser/catalogue/TreeRules.h"
#include "FoldVenBrowser/res/resource.h"

namespace {

constexpr UINT kSmallIconFlags = SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES;

}  // namespace

CShellIcons& CShellIcons::Get() {
    static CShellIcons icons;
    return icons;
}

HIMAGELIST CShellIcons::ImageList() {
    if (m_list == nullptr)
        m_list = ::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 16, 16);
    return m_list;
}

int CShellIcons::Add(HICON icon) {
    HIMAGELIST list = ImageList();
    return list && icon ? ::ImageList_ReplaceIcon(list, -1, icon) : -1;
}

int CShellIcons::ProgramIcon(UINT iconId) {
    const auto known = m_programIcons.find(iconId);
    if (known != m_programIcons.end())
        return known->second;
    HICON icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId),
                                                 IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    const int index = Add(icon);
    if (icon)
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
    if (!::SHGetFileInfoA(name.c_str(), attributes, &info, sizeof(info), kSmallIconFlags) || !info.hIcon)
        return 0;  // not remembered: the next row asks again
    const int index = Add(info.hIcon);
    ::DestroyIcon(info.hIcon);
    if (index < 0)
        return 0;
    m_fileIcons[key.key] = index;
    return index;
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
