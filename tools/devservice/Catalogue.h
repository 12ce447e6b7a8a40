#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/devservice/CatalogueItem.h"

// The sample catalogue, read from an indented UTF-8 data file (see data/catalogue.txt).
class CCatalogue {
public:
    static constexpr int kRootId = 0;

    bool Load(const std::string& file, std::string& error);
    bool LoadText(const std::vector<std::string>& lines, std::string& error);

    const CCatalogueItem* Find(int id) const;
    // The children of `parentId` (the root: 0), in data-file order; empty for unknown ids and files.
    std::vector<const CCatalogueItem*> Children(int parentId) const;
    // Folders and files at level 3 and deeper whose names contain `keyword` (ASCII letters without
    // regard to case), in the category that `category` counts to among the top-level categories (0 the
    // first, as the browser's category list counts them; the special folders are no category). An index
    // outside them finds nothing.
    std::vector<const CCatalogueItem*> Search(const std::string& keyword, int category, size_t limit) const;

private:
    std::map<int, CCatalogueItem> m_items;  // the root record has id 0
};
