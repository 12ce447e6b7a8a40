#pragma once

#include <cstdint>
#include <string>

#include "FoldVenBrowser/catalogue/RemoteItem.h"

// Where a view is, with the parameters of its next listing request. Each view keeps its own page offset.
class CRemoteLocation {
public:
    CRemoteLocation() { Reset(); }
    virtual ~CRemoteLocation() = default;

    void Reset();
    void CopyFrom(const CRemoteLocation& other);  // every field but start
    void CopyTo(CRemoteLocation& other) const;    // every field but start
    void SetFromItem(const CRemoteItem& item);    // start is left as it is
    CRemoteItem ToItem() const;
    bool IsListed() const { return listed != 0; }
    bool IsRoot() const { return name == "/" && level == 0; }

    std::string owner;
    std::string path;
    std::string name;
    std::string period;
    std::int32_t id = 0;
    std::int32_t parentId = 0;
    std::int32_t listed = 0;
    std::int32_t level = 0;
    std::int64_t size = -1;
    std::string type;
    char adult = 'N';
    std::string cate1;
    std::string cate2;
    std::int64_t capacity = 0;
    std::int32_t start = 0;
    TreeItemHandle treeItem = 0;
};
