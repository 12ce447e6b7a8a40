#include "FoldVenBrowser/ui/NoticeFetch.h"

#include <chrono>
#include <memory>
#include <system_error>
#include <thread>

#include "FoldVenBrowser/app/SessionInfo.h"
#include "FoldVenBrowser/service/ServiceClient.h"
#include "win/UiCall.h"

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

// The reply on its way to the window's thread, as the record of the call that delivers it; that call
// deletes it. One whose window is closed before it arrives is never run, and its record stays behind.
struct NoticeDelivery {
    CUiCall call;
    NoticeSink deliver = nullptr;
    void* target = nullptr;
    std::string reply;
};

void Deliver(void* data) {
    const std::unique_ptr<NoticeDelivery> delivery(static_cast<NoticeDelivery*>(data));
    delivery->deliver(delivery->target, delivery->reply);
}

void FetchAndPost(HWND window, NoticeSink deliver, void* target) {
    CQuietUi quiet;
    CSessionInfo session;
    CServiceClient client(0, session, quiet, quiet);
    if (!client.RequestNotices())
        return;
    auto delivery = std::make_unique<NoticeDelivery>();
    delivery->call = CUiCall{&Deliver, delivery.get()};
    delivery->deliver = deliver;
    delivery->target = target;
    delivery->reply = client.GetReply();
    if (delivery->call.PostTo(window))
        delivery.release();
}

}  // namespace

bool StartNoticeFetch(HWND window, NoticeSink deliver, void* target) {
    try {
        std::thread(FetchAndPost, window, deliver, target).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}
