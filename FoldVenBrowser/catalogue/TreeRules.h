#pragma once

#include <string>
#include <vector>

#include "FoldVenBrowser/catalogue/RemoteItem.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"

// What the folder tree shows: the upper two levels of the catalogue, never the waste basket.
namespace TreeRules {

// Whether the cached `item` gets a node among the children of the tree's location `parent`: a folder
// ('D') one level below it, at level 1 or 2.
bool ShowsChild(const CRemoteItem& item, const CRemoteLocation& parent);
// The waste basket never gets a node, wherever it is.
bool MayInsert(const CRemoteItem& item);

// The path of a node from the texts of its ancestors, nearest first: "/" and the internal names from
// the top down, "/" for a top-level node.
std::string ItemPath(const std::vector<std::string>& ancestorTexts);

}  // namespace TreeRules

// The pictures the list and the tree show for catalogue items.
enum class CatalogueIcon {
    kAdultFolder,  // icon 235
    kParentRow,    // icon 234
    kRoot,         // icon 249
    kCategory1,    // icon 250
    kCategory2,    // icon 251
    kShellFolder,  // the system's folder icon
    kShellFile,    // the system's icon for the name's extension
};
CatalogueIcon IconFor(const CRemoteItem& item);

// The key under which a file name's system icon is cached: "\" for a name ending in a slash (a folder),
// else the text after the last "." of the last path part, "" when there is none.
struct FileIconKey {
    std::string key;
    bool folder;
};
FileIconKey FileIconKeyOf(const std::string& name);
