#pragma once

#include <map>
#include <string>

// Parameters of a query or a form body. Names are trimmed of blanks and tabs (the search request puts
// five tabs before one of them) and looked up without regard to case, as the service's pages do.
class CQueryString {
public:
    void Parse(const std::string& text);
    bool Has(const std::string& name) const;
    std::string Get(const std::string& name, const std::string& fallback = std::string()) const;
    long long GetInt(const std::string& name, long long fallback) const;

    static std::string Decode(const std::string& text);

private:
    std::map<std::string, std::string> m_values;  // lower-case name -> decoded value
};
