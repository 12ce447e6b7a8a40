#pragma once

#include <string>

#include "tools/devservice/CatalogueItem.h"
#include "tools/devservice/HttpRequest.h"
#include "tools/devservice/ServiceData.h"

// The API host's ".aspx" pages that the browser queries with its own HTTP engine: login, notices,
// balance, catalogue listing and search. Every reply is a CP949 text "S\t0\t..." or "F\t<code>\t".
class CApiPages {
public:
    static constexpr int kPageSize = 30;
    static constexpr size_t kSearchLimit = 100;

    explicit CApiPages(const CServiceData& data) : m_data(data) {}

    std::string Login(const CQueryString& params) const;
    std::string Notices() const;
    std::string Balance(const CQueryString& params) const;
    // MD=BC, MC, ML, FL and SE; `searchFill` > 0 makes a search answer that many generated lines.
    std::string FileList(const CQueryString& params, size_t searchFill = 0) const;

    static std::string Failure(int code);
    // One line of a listing; search lines stop after the type and path.
    static std::string ItemLine(const CCatalogueItem& item, bool forSearch);

private:
    std::string Listing(int parentId, int start, int count) const;
    std::string Search(const CQueryString& params, size_t fill) const;
    static std::string GeneratedResults(const std::string& keyword, size_t count);

    const CServiceData& m_data;
};
