#include "FoldVenBrowser/app/SessionInfo.h"

#include "net/ReplyReaders.h"
#include "net/ServiceHosts.h"

void CSessionInfo::ParseLoginReply(const std::string& replyBody) {
    if (replyBody.size() < 20)
        return;
    std::string text = replyBody;
    userId = NextField(text);
    text2 = NextField(text);
    text3 = NextField(text);
    informKey = NextField(text);
    packetBalance = NextInt64(text);
    flatRate = NextInt(text);
    adultFlag = NextChar(text);
    password = NextField(text);
    flatRateUntil = NextField(text);
    listKey = NextField(text);
    apiHost = ServiceHosts::ApiHost();
}
