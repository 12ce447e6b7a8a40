#include "tools/devservice/HttpRequest.h"

#include <cstdlib>

#include "tools/devservice/TextUtil.h"

namespace {

std::string CollapseSlashes(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == '/' && !out.empty() && out.back() == '/') {
            continue;
        }
        out += c;
    }
    return out.empty() ? "/" : out;
}

}  // namespace

bool CHttpRequest::ParseHead(const std::string& head) {
    m_head = head;
    size_t lineEnd = head.find('\n');
    std::string line = head.substr(0, lineEnd);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    size_t firstSpace = line.find(' ');
    size_t lastSpace = line.rfind(' ');
    if (firstSpace == std::string::npos || firstSpace == 0 || lastSpace == firstSpace) {
        return false;
    }
    m_method = line.substr(0, firstSpace);
    m_version = line.substr(lastSpace + 1);
    if (m_version.compare(0, 5, "HTTP/") != 0) {
        return false;
    }
    m_target = CTextUtil::Trim(line.substr(firstSpace + 1, lastSpace - firstSpace - 1));
    if (m_target.empty()) {
        return false;
    }

    std::string rest = m_target;
    if (CTextUtil::StartsWithNoCase(rest, "http://")) {
        size_t slash = rest.find('/', 7);
        rest = slash == std::string::npos ? "/" : rest.substr(slash);
    }
    if (rest[0] != '/') {
        return false;
    }
    size_t question = rest.find('?');
    m_query = question == std::string::npos ? std::string() : rest.substr(question + 1);
    m_rawPath = CollapseSlashes(rest.substr(0, question));
    m_path = CollapseSlashes(CQueryString::Decode(m_rawPath));
    m_params.Parse(m_query);

    size_t pos = lineEnd == std::string::npos ? head.size() : lineEnd + 1;
    while (pos < head.size()) {
        size_t end = head.find('\n', pos);
        if (end == std::string::npos) {
            end = head.size();
        }
        std::string header = head.substr(pos, end - pos);
        pos = end + 1;
        size_t colon = header.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        std::string name = CTextUtil::Lower(CTextUtil::Trim(header.substr(0, colon)));
        std::string value = header.substr(colon + 1);
        if (!value.empty() && value.back() == '\r') {
            value.pop_back();
        }
        if (m_headers.find(name) == m_headers.end()) {
            m_headers[name] = CTextUtil::Trim(value);
        }
    }
    return true;
}

void CHttpRequest::SetBody(const std::string& body) {
    m_body = body;
    if (CTextUtil::StartsWithNoCase(Header("Content-Type"), "application/x-www-form-urlencoded")) {
        std::string form = body;
        while (!form.empty() && (form.back() == '\n' || form.back() == '\r')) {
            form.pop_back();
        }
        m_params.Parse(form);
    }
}

std::string CHttpRequest::Header(const std::string& name) const {
    auto it = m_headers.find(CTextUtil::Lower(name));
    return it == m_headers.end() ? std::string() : it->second;
}

long long CHttpRequest::ContentLength() const {
    std::string value = Header("Content-Length");
    if (value.empty()) {
        return -1;
    }
    char* end = nullptr;
    long long length = std::strtoll(value.c_str(), &end, 10);
    return (*end != '\0' || length < 0) ? -1 : length;
}
