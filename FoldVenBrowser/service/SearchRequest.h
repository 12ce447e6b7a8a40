#pragma once

#include <functional>
#include <string>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/catalogue/RemoteItem.h"

class CHttpClient;
class IUiHooks;

// What the search asks for: the keyword and the category index sent as SEARCHTYPE.
struct SearchQuery {
    std::string keyword;
    int searchType = 0;
};

// The catalogue search: one request to the search host (a single attempt) and the reading of its result
// lines. It runs on the search job's worker thread; what it finds goes to `deliver` one line at a time.
class CSearchRequest {
public:
    static constexpr int kForbiddenKeyword = 901;
    static constexpr unsigned kForbiddenKeywordText = 128;  // "검색 금지어 입니다."
    static constexpr unsigned kNoMatchText = 129;  // "일치하는 파일이 존재 하지 않습니다.!!!"

    // How a search ended: kUnreachable when the search host could not be reached or did not answer in
    // time, kFailed and kNotAList when its reply was no valid result. Each but kDelivered has a message.
    enum Outcome { kFailed, kRefused, kNotAList, kNothingFound, kDelivered, kUnreachable };
    static constexpr const char* kUnreachableText =
        "검색 서버에 연결할 수 없습니다.\n잠시 후 다시 시도해 주십시오.";
    static constexpr const char* kFailedText = "검색에 실패했습니다.\n잠시 후 다시 시도해 주십시오.";
    static constexpr const char* kInvalidReplyText =
        "검색 서버의 응답이 올바르지 않습니다.\n잠시 후 다시 시도해 주십시오.";

    using Deliver = std::function<void(const CRemoteItem&)>;

    // The request line, byte for byte as the service expects it (tabs and two blanks included).
    static std::string RequestLine(const std::string& host, const CSessionInfo& session,
                                   const SearchQuery& query);
    // One result line; a search line ends after the type and, below level 3, the path.
    static CRemoteItem ParseLine(std::string line);
    // Reads the reply of a request that succeeded (`ok`) or failed; every result line longer than 10 bytes
    // goes to `deliver`.
    static Outcome ParseReply(const std::string& reply, bool ok, const Deliver& deliver);
    // The exchange with the search host and the reading of its reply.
    static Outcome Run(CHttpClient& client, const CSessionInfo& session, const SearchQuery& query,
                       const Deliver& deliver);
    // The "Info" box that goes with `outcome`, if it has one.
    static void ShowOutcome(IUiHooks& ui, Outcome outcome);
};
