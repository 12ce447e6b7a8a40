#include "FoldVenBrowser/service/SearchRequest.h"

#include <utility>

#include "FoldVenBrowser/service/ListReply.h"
#include "FoldVenBrowser/service/ServiceClient.h"
#include "net/HttpClient.h"
#include "net/ReplyReaders.h"
#include "net/ServiceHosts.h"
#include "net/UrlEscape.h"

namespace {

constexpr std::size_t kMinLine = 10;
// The reading stops when less than this is left after a line, so a short last line is never read.
constexpr std::size_t kMinRest = 15;

}  // namespace

std::string CSearchRequest::RequestLine(const std::string& host, const CSessionInfo& session,
                                        const SearchQuery& query) {
    // The service reads the category pair after five tabs and wants two blanks before the version.
    return RequestPrefix(host) + "/getfilelist.aspx?step=2&UID=" + UrlEscape(session.userId) +
           "&LID=" + session.informKey + "&STYPE=" + std::to_string(session.flatRate) +
           "&MD=SE&Keyword=" + UrlEscape(query.keyword) + "&SEARCHTYPE=" + std::to_string(query.searchType) +
           "&start=0&\t\t\t\t\tcate1=movie&cate2=mo000  HTTP/1.0\r\n";
}

CRemoteItem CSearchRequest::ParseLine(std::string line) {
    // A search line stops where a listing line goes on: no adult mark, number or capacity.
    CRemoteItem item;
    item.adult = '\0';
    item.mark = '\0';
    ListReply::ReadItemFields(line, item);
    return item;
}

CSearchRequest::Outcome CSearchRequest::ParseReply(const std::string& reply, bool ok,
                                                   const Deliver& deliver) {
    if (!ok) {
        std::string text = reply;
        NextField(text);
        return NextInt(text) == kForbiddenKeyword ? kRefused : kFailed;
    }
    if (reply.find(ListReply::kListStart) == std::string::npos)
        return kNotAList;
    std::string text = ListReply::WithoutListStarts(reply);
    const std::size_t tab = text.find('\t');
    const std::string count = text.substr(0, tab);
    text.erase(0, tab == std::string::npos ? std::string::npos : tab + 1);
    if (count == "0")
        return kNothingFound;
    ListReply::ForEachLine(text, kMinRest, [&](std::string&& line) {
        if (line.size() > kMinLine)
            deliver(ParseLine(std::move(line)));
    });
    return kDelivered;
}

CSearchRequest::Outcome CSearchRequest::Run(CHttpClient& client, const CSessionInfo& session,
                                            const SearchQuery& query, const Deliver& deliver) {
    const std::string host = ServiceHosts::SearchHost();
    std::string reply;
    const bool ok = client.Request(reply, host, CServiceClient::kServicePort,
                                   RequestLine(host, session, query), std::string(), false);
    if (!ok && client.IsNetworkError())
        return client.GetError() == CHttpClient::kStatus ? kNotAList : kUnreachable;
    return ParseReply(reply, ok, deliver);
}

void CSearchRequest::ShowOutcome(IUiHooks& ui, Outcome outcome) {
    if (outcome == kRefused)
        InfoBox(ui, kForbiddenKeywordText, std::string(), MessageFlags::kIconInformation);
    else if (outcome == kNothingFound)
        InfoBox(ui, kNoMatchText, std::string(), MessageFlags::kIconExclamation);
    else if (outcome == kUnreachable)
        InfoBox(ui, 0, kUnreachableText, MessageFlags::kIconExclamation);
    else if (outcome == kFailed)
        InfoBox(ui, 0, kFailedText, MessageFlags::kIconExclamation);
    else if (outcome == kNotAList)
        InfoBox(ui, 0, kInvalidReplyText, MessageFlags::kIconExclamation);
}
