#include "FoldVenBrowser/app/WebPages.h"

#include <cstdio>

std::string EscapeQueryValue(const std::string& value) {
    std::string escaped;
    for (unsigned char c : value) {
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
    return escaped;
}

namespace MainPages {

namespace {

std::string LoggedIn(const std::string& webHost, const std::string& userId, const std::string& password,
                     const char* goUrl) {
    return "http://" + webHost + "/login/index_app.php?pg_mode=login&userid=" + EscapeQueryValue(userId) +
           "&userpw=" + EscapeQueryValue(password) + "&go_url=" + goUrl;
}

}  // namespace

std::string Charging(const std::string& webHost, const std::string& userId, const std::string& password) {
    return LoggedIn(webHost, userId, password, "/mypage/account2/?pg_mode=packet_account");
}

std::string Memo(const std::string& webHost, const std::string& userId, const std::string& password) {
    return LoggedIn(webHost, userId, password, "/mypage/memo");
}

}  // namespace MainPages
