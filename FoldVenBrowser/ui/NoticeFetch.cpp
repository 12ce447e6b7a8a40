#include "FoldVenBrowser/ui/NoticeFetch.h"

#include <chrono>
#include <memory>
#include <system_error>
#include <thread>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/service/ServiceClient.h"

namespace {

// What the notices' thread shows the user: nothing. Its waits between attempts are plain sleeps, as no
// window lives on that thread.
class CQuietUi : public IUiHooks, public ISleeper {
public:
    int MessageBox(OwnerWindow, const std::string&, const std::string&, unsigned) override { return IDOK; }
    void ShowMessage(OwnerWindow, const std::string&) override {}
    std::string LoadString(unsigned) override { return std::string(); }
    void PumpMessages() override {}
    void Sleep(unsigned ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

void FetchAndPost(HWND window, UINT message) {
    CQuietUi quiet;
    CSessionInfo session;
    CServiceClient client(0, session, quiet, quiet);
    if (!client.RequestNotices())
        return;
    auto reply = std::make_unique<std::string>(client.GetReply());
    if (::PostMessageA(window, message, 0, reinterpret_cast<LPARAM>(reply.get())))
        reply.release();
}

}  // namespace

bool StartNoticeFetch(HWND window, UINT message) {
    try {
        std::thread(FetchAndPost, window, message).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

std::string TakeNoticeReply(LPARAM lParam) {
    std::unique_ptr<std::string> reply(reinterpret_cast<std::string*>(lParam));
    return reply ? *reply : std::string();
}
