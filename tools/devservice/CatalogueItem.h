#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One category, folder or file of the sample catalogue. Texts are CP949.
struct CCatalogueItem {
    int id = 0;
    int parentId = 0;
    int level = 0;
    bool isFile = false;
    std::int64_t size = -1;     // -1 for folders and categories
    std::int64_t capacity = 0;  // files: the size; folders: the sum of the files below
    std::string name;
    std::string cate1;          // the category code of the item's level-2 category (level 1: its own)
    std::string cate2;          // the code of its level-1 category; "root" at level 1
    std::string path;           // "/" and the names of its ancestors, joined by "/"
    std::vector<int> children;  // ids, in the order of the data file
};
