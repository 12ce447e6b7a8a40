#pragma once

#include <string>

#include "tools/devservice/CatalogueItem.h"
#include "tools/devservice/HttpRequest.h"
#include "tools/devservice/ServiceData.h"

// The API host's ".aspx" pages that the browser queries with its own HTTP engine: login, notices,
// balance, catalogue listing and search. Every reply is a CP949 text "S\t0\t..." or "F\t<code>\t".
// Like the real service, the pages refuse a request that lacks what they rely on: the version on the
// login (102), the listing's list key cookie (101) and its step and category keys (102), the search's
// inform key (101); so a client that drops one fails its tests.
class CApiPages {
public:
    static constexpr int kPageSize = 30;
    static constexpr size_t kSearchLimit = 100;

    explicit CApiPages(const CServiceData& data) : m_data(data) {}

    std::string Login(const CQueryString& params) const;
    std::string Notices() const;
    std::string Balance(const CQueryString& params) const;
    // MD=BC, MC, ML, FL and SE; `cookie` is the request's Cookie header; `searchFill` > 0 makes a
    // search answer that many generated lines.
    std::string FileList(const CQueryString& params, const std::string& cookie, size_t searchFill = 0) const;

    static std::string Failure(int code);
    // One line of a listing; search lines stop after the type and path.
    static std::string ItemLine(const CCatalogueItem& item, bool forSearch);

private:
    std::string Listing(int parentId, int start, int count) const;
    // The listing for MD=BC, MC, ML or FL (`mode` in lower case); empty for another mode.
    std::string ListingFor(const std::string& mode, const CQueryString& params) const;
    // Whether UID names an account that may act and LID is its inform key.
    bool InformKeyMatches(const CQueryString& params) const;
    std::string Search(const CQueryString& params, size_t fill) const;
    static std::string GeneratedResults(const std::string& keyword, size_t count);

    const CServiceData& m_data;
};
