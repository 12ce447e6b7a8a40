#pragma once

#include "FoldVenBrowser/catalogue/RemoteItem.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"

// What a listing reply is delivered to (the catalogue): each parsed line, then one call to order the view.
class IListingSink {
public:
    virtual ~IListingSink() = default;
    virtual void AddReplyItem(const CRemoteItem& item, const CRemoteLocation& requested, bool keepView) = 0;
    virtual void PartitionView() = 0;
};
