#pragma once

#include <memory>
#include <string>

#include "tools/devservice/FileBody.h"

// One reply: an HTTP/1.0 status line, a few headers and the body bytes, held in memory or, for files,
// sent from disk.
class CHttpResponse {
public:
    static CHttpResponse Text(const std::string& body);  // the .aspx pages' tab-separated replies
    static CHttpResponse Html(const std::string& body);
    static CHttpResponse Binary(const std::string& body);
    static CHttpResponse Error(int status);
    // The file's bytes as application/octet-stream; 404 when it cannot be opened.
    static CHttpResponse File(const std::string& path);

    // The header block through its blank line; without Content-Length when `withLength` is false.
    std::string Head(bool withLength) const;
    static std::string Reason(int status);
    size_t BodySize() const { return m_file ? m_file->Size() : m_body.size(); }

    int m_status = 200;
    std::string m_contentType = "text/plain; charset=euc-kr";
    std::string m_body;
    std::shared_ptr<const CFileBody> m_file;  // when set, the body instead of m_body
};
