#include "tools/devservice/WebPages.h"

#include "tools/devservice/TextUtil.h"

std::string CWebPages::Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

CHttpResponse CWebPages::Page(const std::string& title, const std::string& content, int status) {
    CHttpResponse response = CHttpResponse::Html(
        "<!DOCTYPE html>\r\n<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=euc-kr\">"
        "<title>" +
        Escape(title) +
        "</title><style>body{font-family:NanumGothic,Gulim,sans-serif;font-size:12px;margin:16px;"
        "color:#333}h1{font-size:16px;color:#2a6fdb}li{margin:4px 0}</style></head>\r\n<body><h1>" +
        Escape(title) + "</h1>\r\n" + content + "\r\n</body></html>\r\n");
    response.m_status = status;
    return response;
}

CHttpResponse CWebPages::MainPage() const {
    std::string list = "<ul>";
    for (const auto& notice : m_data.m_notices) {
        list += "<li><a href=\"/cust/notice.php?pg_mode=view&amp;idx=" + Escape(notice.first) + "\">" +
                Escape(notice.second) + "</a></li>";
    }
    list += "</ul>";
    return Page("폴드벤에 오신 것을 환영합니다",
                "<p>영화, 게임, TV, 애니, 만화까지 원하는 자료를 폴드벤 브라우져로 빠르게 받으세요.</p>"
                "<h2>공지사항</h2>" +
                    list);
}

CHttpResponse CWebPages::BannerPage() const {
    return Page("폴드벤 추천 자료",
                "<p>이번 주 인기 자료: 한국영화, 드라마, TV애니 전편 모음. 정액제 회원은 무제한!</p>");
}

CHttpResponse CWebPages::MemberSearch(const CQueryString& params) const {
    std::string mode = params.Get("pg_mode");
    if (mode == "id_search") {
        return Page("아이디 찾기",
                    "<form><p>이름 <input name=\"name\"></p><p>이메일 <input name=\"email\"></p>"
                    "<p><input type=\"submit\" value=\"아이디 찾기\"></p></form>");
    }
    if (mode == "pwd_search") {
        return Page("비밀번호 찾기",
                    "<form><p>아이디 <input name=\"userid\"></p><p>이메일 <input name=\"email\"></p>"
                    "<p><input type=\"submit\" value=\"비밀번호 찾기\"></p></form>");
    }
    return Page("회원 찾기", "<p>잘못된 요청입니다.</p>", 404);
}

CHttpResponse CWebPages::NoticePage(const CQueryString& params) const {
    std::string idx = params.Get("idx");
    for (const auto& notice : m_data.m_notices) {
        if (notice.first == idx) {
            return Page(notice.second, "<p>공지 번호 " + Escape(idx) +
                                           "</p><p>자세한 내용은 고객센터로 문의해 주세요.</p>"
                                           "<p><a href=\"/Main.aspx\">처음으로</a></p>");
        }
    }
    return Page("공지사항", "<p>존재하지 않는 공지입니다.</p>", 404);
}

CHttpResponse CWebPages::AppLogin(const CQueryString& params) const {
    const CAccount* a = m_data.m_accounts.Find(params.Get("userid"));
    if (params.Get("pg_mode") != "login" || a == nullptr || a->password != params.Get("userpw") ||
        a->blocked) {
        return Page("로그인", "<p>아이디 또는 비밀번호가 올바르지 않습니다.</p>");
    }
    std::string go = params.Get("go_url");
    std::string who = "<p>" + Escape(a->nickname) + " (" + Escape(a->id) + ") 님</p>";
    if (CTextUtil::StartsWithNoCase(go, "/mypage/account2")) {
        std::string plan = a->flatRate == 1 ? "<p>정액제: " + Escape(a->flatRateUntil) + " 까지</p>" : "";
        return Page("패킷 충전", who + "<p>보유 패킷: " + std::to_string(a->balance) + " P</p>" + plan +
                                     "<p><input type=\"button\" value=\"충전하기\"></p>");
    }
    if (CTextUtil::StartsWithNoCase(go, "/mypage/memo")) {
        return Page("쪽지함",
                    who + "<ul><li>[운영자] 가입을 환영합니다.</li><li>[운영자] 12월 점검 안내</li></ul>");
    }
    return Page("마이페이지", who + "<p>요청한 페이지: " + Escape(go) + "</p>");
}
