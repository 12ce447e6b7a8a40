#include "FoldVenBrowser/catalogue/TreeRules.h"

#include <cstring>

#include "FoldVenBrowser/catalogue/SpecialFolders.h"

namespace TreeRules {

namespace {

constexpr int kDeepestTreeLevel = 2;
// "/선택한 폴더내용": a pseudo folder of the old tree whose name the path never carries.
const char* const kSelectionFolder = "/선택한 폴더내용";

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
        text.replace(at, from.size(), to);
}

}  // namespace

bool ShowsChild(const CRemoteItem& item, const CRemoteLocation& parent) {
    return item.parentId == parent.id && item.level == parent.level + 1 && !item.type.empty() &&
           item.type[0] == 'D' && item.level <= kDeepestTreeLevel;
}

bool MayInsert(const CRemoteItem& item) {
    return item.name != ".waste_basket";
}

std::string ItemPath(const std::vector<std::string>& ancestorTexts) {
    std::string path;
    for (const std::string& text : ancestorTexts) {
        if (text != "/")
            path = "/" + InternalName(text) + path;
    }
    const std::size_t prefix = std::strlen(kSelectionFolder);
    if (path.compare(0, prefix, kSelectionFolder) == 0)
        path.erase(1, prefix - 1);
    ReplaceAll(path, "///", "/");
    ReplaceAll(path, "//", "/");
    return path.empty() ? "/" : path;
}

}  // namespace TreeRules

CatalogueIcon IconFor(const CRemoteItem& item) {
    const bool folder = item.size < 0;
    if (folder && item.adult == 'A')
        return CatalogueIcon::kAdultFolder;
    if (item.level == 1)
        return CatalogueIcon::kCategory1;
    if (item.level == 2)
        return CatalogueIcon::kCategory2;
    return folder ? CatalogueIcon::kShellFolder : CatalogueIcon::kShellFile;
}

FileIconKey FileIconKeyOf(const std::string& name) {
    if (!name.empty() && (name.back() == '\\' || name.back() == '/'))
        return {"\\", true};
    for (std::size_t i = name.size(); i-- > 0;) {
        if (name[i] == '.')
            return {name.substr(i + 1), false};
        if (name[i] == '\\' || name[i] == '/')
            break;
    }
    return {"", false};
}
