#include "tools/devservice/HttpResponse.h"

CHttpResponse CHttpResponse::Text(const std::string& body) {
    CHttpResponse response;
    response.m_body = body;
    return response;
}

CHttpResponse CHttpResponse::Html(const std::string& body) {
    CHttpResponse response;
    response.m_contentType = "text/html; charset=euc-kr";
    response.m_body = body;
    return response;
}

CHttpResponse CHttpResponse::Binary(const std::string& body) {
    CHttpResponse response;
    response.m_contentType = "application/octet-stream";
    response.m_body = body;
    return response;
}

CHttpResponse CHttpResponse::File(const std::string& path) {
    CHttpResponse response;
    response.m_file = CFileBody::Open(path);
    if (!response.m_file) {
        return Error(404);
    }
    response.m_contentType = "application/octet-stream";
    return response;
}

CHttpResponse CHttpResponse::Error(int status) {
    CHttpResponse response;
    response.m_status = status;
    response.m_contentType = "text/html; charset=euc-kr";
    response.m_body =
        "<html><body><h1>" + std::to_string(status) + " " + Reason(status) + "</h1></body></html>\r\n";
    return response;
}

std::string CHttpResponse::Reason(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 400:
            return "Bad Request";
        case 403:
            return "Forbidden";
        case 404:
            return "Not Found";
        case 405:
            return "Method Not Allowed";
        case 413:
            return "Request Entity Too Large";
        case 500:
            return "Internal Server Error";
        case 503:
            return "Service Unavailable";
        default:
            return "Status";
    }
}

std::string CHttpResponse::Head(bool withLength) const {
    std::string head = "HTTP/1.0 " + std::to_string(m_status) + " " + Reason(m_status) + "\r\n";
    head += "Server: FoldVen-devservice\r\n";
    head += "Content-Type: " + m_contentType + "\r\n";
    head += "Cache-Control: no-cache\r\n";
    if (withLength) {
        head += "Content-Length: " + std::to_string(BodySize()) + "\r\n";
    }
    head += "Connection: close\r\n\r\n";
    return head;
}
