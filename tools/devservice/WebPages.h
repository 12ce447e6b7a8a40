#pragma once

#include <string>

#include "tools/devservice/HttpResponse.h"
#include "tools/devservice/QueryString.h"
#include "tools/devservice/ServiceData.h"

// Simple HTML pages in CP949 for the addresses the programs open in web panels or the system browser.
class CWebPages {
public:
    explicit CWebPages(const CServiceData& data) : m_data(data) {}

    CHttpResponse MainPage() const;                                // /Main.aspx
    CHttpResponse BannerPage() const;                              // /jun.html
    CHttpResponse MemberSearch(const CQueryString& params) const;  // /login/member_search.php
    CHttpResponse NoticePage(const CQueryString& params) const;    // /cust/notice.php
    CHttpResponse AppLogin(const CQueryString& params) const;      // /login/index_app.php

    static std::string Escape(const std::string& text);

private:
    static CHttpResponse Page(const std::string& title, const std::string& content, int status = 200);

    const CServiceData& m_data;
};
