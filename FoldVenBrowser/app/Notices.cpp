#include "FoldVenBrowser/app/Notices.h"

#include "FoldVenBrowser/app/WebPages.h"
#include "net/ReplyReaders.h"

namespace {

// In one pass: a reply may be large, and erasing in place would move its rest once per occurrence.
std::string WithoutAll(const std::string& text, const std::string& what) {
    std::string kept;
    kept.reserve(text.size());
    size_t from = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, from)) {
        kept.append(text, from, at - from);
        from = at + what.size();
    }
    kept.append(text, from, std::string::npos);
    return kept;
}

}  // namespace

NoticeLines ParseNoticeReply(const std::string& reply) {
    NoticeLines lines;
    const std::string marker = "S0\t";
    if (reply.find(marker) == std::string::npos)
        return lines;
    const std::string text = WithoutAll(reply, marker);
    size_t pos = text.find('\t');
    if (pos == std::string::npos)
        return lines;
    ++pos;
    size_t nextTab = text.find('\t', pos);
    if (nextTab == std::string::npos)
        return lines;

    // The rest is read by position rather than cut from the front, so a long reply costs one pass.
    int counter = 0;
    do {
        const size_t end = text.find("\r\n", pos);
        std::string piece = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? text.size() : end + 2;
        const std::string line = NextLine(piece);
        if (line.size() > 10) {
            const size_t tab = line.find('\t');
            const std::string index = line.substr(0, tab);
            std::string title;
            if (tab != std::string::npos) {
                const size_t next = line.find('\t', tab + 1);
                title = line.substr(tab + 1, next == std::string::npos ? std::string::npos : next - tab - 1);
            }
            if (counter == 0) {
                lines.firstIndex = index;
                lines.firstTitle = title;
            } else {
                lines.secondIndex = index;
                lines.secondTitle = title;
            }
        }
        ++counter;
        if (nextTab != std::string::npos && nextTab < pos)
            nextTab = text.find('\t', pos);
    } while (text.size() - pos >= 10 && nextTab != std::string::npos);
    return lines;
}

namespace LoginPages {

std::string IdSearch(const std::string& webHost) {
    return "http://" + webHost + "/login/member_search.php?pg_mode=id_search";
}

std::string PasswordSearch(const std::string& webHost) {
    return "http://" + webHost + "/login/member_search.php?pg_mode=pwd_search";
}

std::string Notice(const std::string& webHost, const std::string& index) {
    return "http://" + webHost + "/cust/notice.php?pg_mode=view&idx=" + EscapeQueryValue(index);
}

}  // namespace LoginPages
