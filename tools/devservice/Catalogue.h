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
    // regard to case), outside the special folders. searchType 1: files only; 2: folders only.
    std::vector<const CCatalogueItem*> Search(const std::string& keyword, int searchType, size_t limit) const;

private:
    std::map<int, CCatalogueItem> m_items;  // the root record has id 0
};
