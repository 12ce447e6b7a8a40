#include "FoldVenBrowser/views/FileIcons.h"

#include <shellapi.h>

#include <cstring>
#include <map>
#include <string>

#include "FoldVenBrowser/catalogue/TreeRules.h"

namespace {

std::map<std::string, int> s_iconByKey;
HIMAGELIST s_systemList = nullptr;

}  // namespace

int GetFileIconIndex(const char* name, int len) {
    const std::string text(name, len < 0 ? std::strlen(name) : static_cast<std::size_t>(len));
    const FileIconKey fileKey = FileIconKeyOf(text);
    const std::string& key = fileKey.key;
    const DWORD attribute = fileKey.folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    const auto known = s_iconByKey.find(key);
    if (known != s_iconByKey.end())
        return known->second;
    SHFILEINFOA info{};
    const DWORD_PTR list = ::SHGetFileInfoA(text.c_str(), attribute, &info, sizeof(info),
                                            SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
    if (list == 0)
        return 0;
    s_systemList = reinterpret_cast<HIMAGELIST>(list);
    s_iconByKey[key] = info.iIcon;
    return info.iIcon;
}

HIMAGELIST GetFileIconList() {
    return s_systemList;
}
