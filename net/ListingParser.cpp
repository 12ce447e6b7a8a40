#include "net/ListingParser.h"

#include "net/ListingSink.h"
#include "net/ReplyReaders.h"

namespace {

bool IsAdultId(std::int32_t id, std::int32_t level) {
    if (level > 1 && id == 110)
        return true;
    return id == 121 || id == 131 || id == 140 || id == 150 || id == 160 || id == 177;
}

}  // namespace

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
    item.adult = IsAdultId(item.id, item.level) ? 'A' : 'N';
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
    do {
        const std::string line = NextLine(text);
        if (line.size() > 10)
            sink.AddReplyItem(ParseListingLine(line), location, keepView);
    } while (text.size() >= 10 && text.find('\t') != std::string::npos);
    sink.PartitionView();
}
