#pragma once

#include <cstddef>
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

    bool IsFile() const { return !type.empty() && type[0] == 'F'; }
};

// The adult mark of a listed item: id 110 is adult-only below level 1, ids 121, 131, 140, 150, 160 and
// 177 at every level. Inline so that the listing parse needs no more than this header.
inline char AdultMarkFor(std::int32_t id, std::int32_t level) {
    if (level > 1 && id == 110)
        return 'A';
    const bool alwaysAdult = id == 121 || id == 131 || id == 140 || id == 150 || id == 160 || id == 177;
    return alwaysAdult ? 'A' : 'N';
}

// Items by value. Every index is checked: one outside the bounds throws std::out_of_range.
class CRemoteItemArray {
public:
    using iterator = std::vector<CRemoteItem>::iterator;
    using const_iterator = std::vector<CRemoteItem>::const_iterator;

    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    void clear() { m_items.clear(); }
    void reserve(std::size_t n) { m_items.reserve(n); }
    void resize(std::size_t n) { m_items.resize(n); }
    void push_back(const CRemoteItem& item) { m_items.push_back(item); }
    void push_back(CRemoteItem&& item) { m_items.push_back(std::move(item)); }
    iterator erase(const_iterator first, const_iterator last) { return m_items.erase(first, last); }

    CRemoteItem& operator[](std::size_t index) { return m_items.at(index); }
    const CRemoteItem& operator[](std::size_t index) const { return m_items.at(index); }
    const CRemoteItem& GetAt(std::size_t index) const { return m_items.at(index); }
    void SetAt(std::size_t index, const CRemoteItem& item) { m_items.at(index) = item; }

    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    std::vector<CRemoteItem> m_items;
};
