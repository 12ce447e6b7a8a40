#include "FoldVenBrowser/app/MainLabels.h"

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/catalogue/Formatters.h"

namespace MainLabels {

std::string Balance(const CSessionInfo& session) {
    return FormatNumber(session.packetBalance) + " P";
}

std::string FlatRate(const CSessionInfo& session) {
    return session.flatRate == 1 ? session.flatRateUntil + " 까지" : "미신청";
}

std::string BalanceTip(const CSessionInfo& session) {
    return Balance(session) + " 사용가능합니다.클릭하시면 요금충전 페이지로 바로 갈수 있습니다.";
}

std::string FlatRateTip(const CSessionInfo& session) {
    return session.flatRateUntil + "까지 사용 가능합니다.클릭하시면 요금충전 페이지로 바로 갈수 있습니다.";
}

}  // namespace MainLabels

std::string CSearchPlaceholder::OnFocus(const std::string& text) {
    const bool shown = Shows(text);
    m_shown = false;
    return shown ? std::string() : text;
}

std::string CSearchPlaceholder::OnBlur(const std::string& text) {
    if (!text.empty())
        return text;
    m_shown = true;
    return m_placeholder;
}

void CSearchPlaceholder::OnChange(const std::string& text) {
    if (!Shows(text))
        m_shown = false;
}

std::string CSearchPlaceholder::Keyword(const std::string& text) const {
    return Shows(text) ? std::string() : text;
}
