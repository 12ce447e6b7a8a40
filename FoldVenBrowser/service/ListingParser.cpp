#include "FoldVenBrowser/service/ListingParser.h"

#include <utility>

#include "FoldVenBrowser/catalogue/ListingSink.h"
#include "net/ReplyReaders.h"

CRemoteItem ParseListingLine(std::string line) {
    CRemoteItem item;
    item.id = NextInt(line);
    item.parentId = NextInt(line);
    item.level = NextInt(line);
    // Read as 64 bits: files of 2 GB and more keep their true size.
    item.size = NextInt64(line);
    item.name = NextField(line);
    item.owner = "FoldVen";
    item.cate1 = NextField(line);
    item.cate2 = item.parentId != 0 ? NextField(line) : std::string("root");
    item.type = NextField(line);
    if (item.level > 3)
        item.path = NextField(line);
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
    static const std::string kListStart = "S\t0\tS0\t";
    std::string text;
    std::size_t from = 0;
    for (std::size_t at = body.find(kListStart); at != std::string::npos; at = body.find(kListStart, from)) {
        text.append(body, from, at - from);
        from = at + kListStart.size();
    }
    text.append(body, from, std::string::npos);
    text.erase(0, text.find('\t') + 1);  // the leading field; nothing when there is no tab
    if (text.find('\t') == std::string::npos) {
        sink.PartitionView();
        return;
    }
    // Lines are taken by position rather than cut from the front of the text, so a long reply costs
    // time in proportion to its length.
    std::size_t pos = 0;
    std::size_t nextTab = text.find('\t');
    do {
        const std::size_t end = text.find("\r\n", pos);
        std::string chunk = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? text.size() : end + 2;
        std::string line = NextLine(chunk);
        if (line.size() > 10)
            sink.AddReplyItem(ParseListingLine(std::move(line)), location, keepView);
        if (nextTab < pos)
            nextTab = text.find('\t', pos);
    } while (text.size() - pos >= 10 && nextTab != std::string::npos);
    sink.PartitionView();
}
