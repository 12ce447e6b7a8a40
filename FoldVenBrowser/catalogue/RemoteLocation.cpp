#include "FoldVenBrowser/catalogue/RemoteLocation.h"

void CRemoteLocation::Reset() {
    name = "/";
    path = "/";
    owner.clear();
    period.clear();
    cate1.clear();
    cate2.clear();
    id = parentId = listed = level = 0;
    capacity = 0;
    start = 0;
    treeItem = 0;
    size = -1;
    type = "d";
    adult = 'N';
}

void CRemoteLocation::CopyFrom(const CRemoteLocation& other) {
    const std::int32_t keptStart = start;
    *this = other;
    start = keptStart;
}

void CRemoteLocation::CopyTo(CRemoteLocation& other) const {
    other.CopyFrom(*this);
}

void CRemoteLocation::SetFromItem(const CRemoteItem& item) {
    name = item.name;
    period = item.period;
    id = item.id;
    parentId = item.parentId;
    listed = item.listed;
    level = item.level;
    type = item.type;
    size = item.size;
    adult = item.adult;
    cate1 = item.cate1;
    cate2 = item.cate2;
    path = item.path;
    owner = item.owner;
    capacity = item.capacity;
    treeItem = item.treeItem;
}

CRemoteItem CRemoteLocation::ToItem() const {
    CRemoteItem item;
    item.kind = 2;
    item.mark = 'N';
    item.number = 0;
    item.reserved = 0;
    item.listed = listed;
    item.adult = adult;
    item.size = size;
    item.id = id;
    item.parentId = parentId;
    item.level = level;
    item.owner = owner;
    item.type = type;
    item.name = name;
    item.period = period;
    item.path = path;
    item.cate1 = cate1;
    item.cate2 = cate2;
    item.capacity = capacity;
    item.treeItem = treeItem;
    return item;
}
