#include "FoldVenBrowser/service/ListReply.h"

#include "net/ReplyReaders.h"

namespace ListReply {

std::string WithoutListStarts(const std::string& body) {
    static const std::string kStart = kListStart;
    std::string text;
    std::size_t from = 0;
    for (std::size_t at = body.find(kStart); at != std::string::npos; at = body.find(kStart, from)) {
        text.append(body, from, at - from);
        from = at + kStart.size();
    }
    text.append(body, from, std::string::npos);
    return text;
}

void ForEachLine(const std::string& text, std::size_t minRest,
                 const std::function<void(std::string&& line)>& line) {
    std::size_t pos = 0;
    std::size_t nextTab = text.find('\t');
    if (nextTab == std::string::npos)
        return;
    do {
        const std::size_t end = text.find("\r\n", pos);
        std::string chunk = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? text.size() : end + 2;
        line(NextLine(chunk));
        if (nextTab < pos)
            nextTab = text.find('\t', pos);
    } while (text.size() - pos >= minRest && nextTab != std::string::npos);
}

void ReadItemFields(std::string& line, CRemoteItem& item) {
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
}

}  // namespace ListReply
