#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Opaque handle of the tree node that shows an item; the core never dereferences it (HTREEITEM on Windows).
using TreeItemHandle = std::uintptr_t;

// One catalogue entry: a category, folder or file. Strings hold CP949 bytes.
struct CRemoteItem {
    std::uint8_t kind = 0;
    char mark = 'N';
    std::int32_t listed = 0;
    char adult = 'N';
    std::int64_t size = 0;  // negative for folders and categories
    std::int32_t reserved = 0;
    std::int32_t id = 0;
    std::int32_t parentId = 0;
    std::int32_t level = 0;
    std::int32_t number = 0;
    std::string owner;
    std::string type;  // "F" for a file
    std::string name;
    std::string period;
    std::string path;
    std::string cate1;
    std::string cate2;
    std::int64_t capacity = 0;
    TreeItemHandle treeItem = 0;
};

using CRemoteItemArray = std::vector<CRemoteItem>;
