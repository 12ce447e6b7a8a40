#pragma once

#include <map>
#include <string>

#include "tools/devservice/QueryString.h"

// One request as the programs send it. Accepts the literal forms they use: "GET //page.aspx?..."
// (two slashes), absolute URIs through an HTTP proxy ("GET http://host//page.aspx?..."), and the search
// line whose query holds tabs and which ends in two blanks before "HTTP/1.0".
class CHttpRequest {
public:
    // Parses the head (request line and header lines, through the blank line). False when the request
    // line has no method, no target or no "HTTP/" version.
    bool ParseHead(const std::string& head);
    // Form bodies add their parameters to those of the query.
    void SetBody(const std::string& body);

    std::string Header(const std::string& name) const;  // case-insensitive; empty when absent
    long long ContentLength() const;                    // -1 when absent or not a number

    std::string m_method;
    std::string m_target;   // as sent
    std::string m_path;     // without scheme, host and query; runs of "/" made one; %XX decoded
    std::string m_rawPath;  // the same before decoding
    std::string m_query;    // after the first "?", as sent
    std::string m_version;
    std::string m_head;
    std::string m_body;
    CQueryString m_params;

private:
    std::map<std::string, std::string> m_headers;  // lower-case name -> value
};
