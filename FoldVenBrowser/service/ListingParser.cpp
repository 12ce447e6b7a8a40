#include "FoldVenBrowser/service/ListingParser.h"

#include <utility>

#include "FoldVenBrowser/catalogue/ListingSink.h"
#include "FoldVenBrowser/service/ListReply.h"
#include "net/ReplyReaders.h"

CRemoteItem ParseListingLine(std::string line) {
    CRemoteItem item;
    ListReply::ReadItemFields(line, item);
    item.adult = AdultMarkFor(item.id, item.level);
    item.number = NextInt(line);
    item.capacity = NextInt64(line);
    item.listed = 0;
    return item;
}

void ParseListing(const std::string& body, IListingSink& sink, const CRemoteLocation& location,
                  bool keepView) {
    if (body.find("S0\t") == std::string::npos)
        return;
    std::string text = ListReply::WithoutListStarts(body);
    text.erase(0, text.find('\t') + 1);  // the leading field; nothing when there is no tab
    ListReply::ForEachLine(text, 10, [&](std::string&& line) {
        if (line.size() > 10)
            sink.AddReplyItem(ParseListingLine(std::move(line)), location, keepView);
    });
    sink.PartitionView();
}
