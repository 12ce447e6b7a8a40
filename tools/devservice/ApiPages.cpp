#include "tools/devservice/ApiPages.h"

#include <algorithm>

#include "tools/devservice/TextUtil.h"

namespace {

constexpr int kNoPermission = 101;
constexpr int kUnknownCommand = 102;
constexpr int kWrongPassword = 105;
constexpr int kForbiddenKeyword = 901;

const char* kListStart = "S\t0\tS0\t";

}  // namespace

std::string CApiPages::Failure(int code) {
    return "F\t" + std::to_string(code) + "\t";
}

// An unknown ID gets the same answer as a wrong password, so that the login cannot be used to find out
// which IDs exist.
std::string CApiPages::Login(const CQueryString& params) const {
    const CAccount* a = m_data.m_accounts.Find(params.Get("UID"));
    if (params.Get("VER").empty()) {
        return Failure(kUnknownCommand);
    }
    if (a == nullptr || a->password != params.Get("PWD")) {
        return Failure(kWrongPassword);
    }
    if (a->blocked) {
        return Failure(kNoPermission);
    }
    std::string reply = "S\t0\t";
    for (const std::string& field :
         {a->id, a->nickname, a->grade, a->informKey, std::to_string(a->balance), std::to_string(a->flatRate),
          std::string(1, a->adult), a->password, a->flatRateUntil, a->listKey}) {
        reply += field + "\t";
    }
    return reply;
}

std::string CApiPages::Notices() const {
    std::string reply = kListStart + std::to_string(m_data.m_notices.size()) + "\t";
    for (const auto& notice : m_data.m_notices) {
        reply += notice.first + "\t" + notice.second + "\r\n";
    }
    return reply;
}

std::string CApiPages::Balance(const CQueryString& params) const {
    if (!CTextUtil::EqualsNoCase(params.Get("MD"), "RP")) {
        return Failure(kUnknownCommand);
    }
    if (!InformKeyMatches(params)) {
        return Failure(kNoPermission);
    }
    return "S\t0\t" + std::to_string(m_data.m_accounts.Find(params.Get("UID"))->balance) + "\t";
}

bool CApiPages::InformKeyMatches(const CQueryString& params) const {
    const CAccount* a = m_data.m_accounts.Find(params.Get("UID"));
    return a != nullptr && !a->blocked && !a->informKey.empty() && a->informKey == params.Get("LID");
}

std::string CApiPages::FileList(const CQueryString& params, const std::string& cookie,
                                size_t searchFill) const {
    const std::string mode = CTextUtil::Lower(params.Get("MD"));
    if (mode == "se") {
        return InformKeyMatches(params) ? Search(params, searchFill) : Failure(kNoPermission);
    }
    if (mode != "bc" && mode != "mc" && mode != "ml" && mode != "fl") {
        return Failure(kUnknownCommand);
    }
    if (!m_data.m_accounts.IsListKey(cookie)) {
        return Failure(kNoPermission);
    }
    return ListingFor(mode, params);
}

// The paged and the whole-folder listings name their level, and the paged one its categories.
std::string CApiPages::ListingFor(const std::string& mode, const CQueryString& params) const {
    if (mode == "bc" || mode == "mc") {
        return Listing(static_cast<int>(params.GetInt("FID", -1)), 0, -1);
    }
    if (!params.Has("step") || (mode == "ml" && (!params.Has("cate1") || !params.Has("cate2")))) {
        return Failure(kUnknownCommand);
    }
    if (mode == "ml") {
        long long start = std::max(0LL, params.GetInt("start", 0));
        return Listing(static_cast<int>(params.GetInt("PID", -1)),
                       static_cast<int>(std::min(start, 1LL << 30)), kPageSize);
    }
    return Listing(static_cast<int>(params.GetInt("PID", -1)), 0, -1);
}

// The leading field of a listing is the number of entries the folder holds in all pages.
std::string CApiPages::Listing(int parentId, int start, int count) const {
    std::vector<const CCatalogueItem*> children = m_data.m_catalogue.Children(parentId);
    std::string reply = kListStart + std::to_string(children.size()) + "\t";
    size_t begin = std::min(children.size(), static_cast<size_t>(start));
    size_t end = count < 0 ? children.size() : std::min(children.size(), begin + static_cast<size_t>(count));
    for (size_t i = begin; i < end; ++i) {
        reply += ItemLine(*children[i], false);
    }
    return reply;
}

// SEARCHTYPE is the index of the category chosen in the browser's category list.
std::string CApiPages::Search(const CQueryString& params, size_t fill) const {
    std::string keyword = params.Get("Keyword");
    for (const std::string& word : m_data.m_forbidden) {
        if (!keyword.empty() && CTextUtil::ContainsNoCase(keyword, word)) {
            return Failure(kForbiddenKeyword);
        }
    }
    if (fill > 0) {
        return GeneratedResults(keyword, fill);
    }
    std::vector<const CCatalogueItem*> found =
        m_data.m_catalogue.Search(keyword, static_cast<int>(params.GetInt("SEARCHTYPE", 0)), kSearchLimit);
    std::string reply = kListStart + std::to_string(found.size()) + "\t";
    for (const CCatalogueItem* item : found) {
        reply += ItemLine(*item, true);
    }
    return reply;
}

// Files of 한국영화 named after the keyword and numbered, so that a client can tell the last one.
std::string CApiPages::GeneratedResults(const std::string& keyword, size_t count) {
    std::string reply = kListStart + std::to_string(count) + "\t";
    reply.reserve(reply.size() + count * (keyword.size() + 48));
    for (size_t i = 1; i <= count; ++i) {
        CCatalogueItem item;
        item.id = static_cast<int>(100000 + i);
        item.parentId = 101;
        item.level = 3;
        item.isFile = true;
        item.size = static_cast<std::int64_t>(i) * 1048576;
        std::string number = std::to_string(i);
        item.name =
            keyword + " " + std::string(number.size() < 5 ? 5 - number.size() : 0, '0') + number + ".avi";
        item.cate1 = "mo001";
        item.cate2 = "movie";
        reply += ItemLine(item, true);
    }
    return reply;
}

std::string CApiPages::ItemLine(const CCatalogueItem& item, bool forSearch) {
    std::string line = std::to_string(item.id) + "\t" + std::to_string(item.parentId) + "\t" +
                       std::to_string(item.level) + "\t" + std::to_string(item.size) + "\t" + item.name +
                       "\t" + item.cate1 + "\t";
    if (item.parentId != 0) {
        line += item.cate2 + "\t";
    }
    line += item.isFile ? "F" : "D";
    if (item.level > 3) {
        line += "\t" + item.path;
    }
    if (!forSearch) {
        line += "\t" + std::to_string(item.children.size()) + "\t" + std::to_string(item.capacity);
    }
    return line + "\r\n";
}
