#pragma once

#include <string>
#include <utility>
#include <vector>

#include "FoldVenBrowser/catalogue/ListingSource.h"
#include "FoldVenBrowser/catalogue/RemoteItem.h"

// A service with a catalogue held in memory: level-2 listings come in pages of 30 by the location's start.
class FakeListingSource : public IListingSource {
public:
    struct Request {
        int level;
        int id;
        int start;
        bool keepView;
    };
    std::vector<CRemoteItem> items;
    std::vector<Request> requests;
    bool fail = false;

    bool RequestListing(IListingSink& sink, CRemoteLocation& location, bool keepView) override {
        requests.push_back({location.level, location.id, location.start, keepView});
        if (fail)
            return false;
        int index = 0;
        for (const CRemoteItem& item : items) {
            if (item.parentId != location.id)
                continue;
            const bool onPage =
                location.level != 2 || (index >= location.start && index < location.start + 30);
            ++index;
            if (onPage)
                sink.AddReplyItem(item, location, keepView);
        }
        sink.PartitionView();
        return true;
    }
};

inline CRemoteItem MakeItem(int id, int parentId, int level, std::string name, bool folder = true) {
    CRemoteItem item;
    item.kind = 2;
    item.id = id;
    item.parentId = parentId;
    item.level = level;
    item.name = std::move(name);
    item.size = folder ? -1 : 1000 + id;
    item.type = folder ? "D" : "F";
    item.owner = "FoldVen";
    item.cate2 = parentId == 0 ? "root" : "c";
    return item;
}

inline std::vector<std::string> Names(const CRemoteItemArray& items) {
    std::vector<std::string> names;
    for (const CRemoteItem& item : items)
        names.push_back(item.name);
    return names;
}
