#pragma once

#include <string>

// One reply: an HTTP/1.0 status line, a few headers and the body bytes.
class CHttpResponse {
public:
    static CHttpResponse Text(const std::string& body);  // the .aspx pages' tab-separated replies
    static CHttpResponse Html(const std::string& body);
    static CHttpResponse Binary(const std::string& body);
    static CHttpResponse Error(int status);

    // The header block through its blank line; without Content-Length when `withLength` is false.
    std::string Head(bool withLength) const;
    static std::string Reason(int status);

    int m_status = 200;
    std::string m_contentType = "text/plain; charset=euc-kr";
    std::string m_body;
};
