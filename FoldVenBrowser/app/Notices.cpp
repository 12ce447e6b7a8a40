#include "FoldVenBrowser/app/Notices.h"

#include <cstdio>

#include "net/ReplyReaders.h"

namespace {

void EraseAll(std::string& text, const std::string& what) {
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.erase(at, what.size());
}

}  // namespace

NoticeLines ParseNoticeReply(std::string reply) {
    NoticeLines lines;
    const std::string marker = "S0\t";
    if (reply.find(marker) == std::string::npos)
        return lines;
    EraseAll(reply, marker);
    const size_t firstTab = reply.find('\t');
    if (firstTab == std::string::npos)
        return lines;
    reply.erase(0, firstTab + 1);
    if (reply.find('\t') == std::string::npos)
        return lines;

    int counter = 0;
    do {
        const std::string line = NextLine(reply);
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
    } while (reply.size() >= 10 && reply.find('\t') != std::string::npos);
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
    std::string escaped;
    for (unsigned char c : index) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            escaped += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof(hex), "%%%02X", c);
            escaped += hex;
        }
    }
    return "http://" + webHost + "/cust/notice.php?pg_mode=view&idx=" + escaped;
}

}  // namespace LoginPages
