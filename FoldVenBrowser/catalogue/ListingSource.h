#pragma once

#include "FoldVenBrowser/catalogue/ListingSink.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"

// Where the catalogue gets a folder's children from: the service's listing request (with its retries
// and messages), or a test double.
class IListingSource {
public:
    virtual ~IListingSource() = default;
    virtual bool RequestListing(IListingSink& sink, CRemoteLocation& location, bool keepView) = 0;
};
