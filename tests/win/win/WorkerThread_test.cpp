#include "win/WorkerThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Runs the user-interface thread's messages until `done` holds (5 s at most).
bool PumpUntil(const std::function<bool()>& done) {
    const DWORD start = ::GetTickCount();
    while (!done() && ::GetTickCount() - start < 5000) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(1);
    }
    return done();
}

// Records what happened, on which thread, in order. Lives on the test's stack; jobs report into it.
struct Journal {
    std::vector<std::string> events;
    std::vector<DWORD> threads;
    void Add(const std::string& what) {
        std::lock_guard<std::mutex> lock(mutex);
        events.push_back(what);
        threads.push_back(::GetCurrentThreadId());
    }
    size_t Size() {
        std::lock_guard<std::mutex> lock(mutex);
        return events.size();
    }
    std::mutex mutex;
};

class RecordingJob : public CWorkerThread {
public:
    RecordingJob(Journal& journal, BOOL autoDelete, std::function<void(RecordingJob&)> work = nullptr)
        : CWorkerThread(autoDelete), m_journal(journal), m_work(std::move(work)) {}
    ~RecordingJob() override { m_journal.Add("deleted"); }

    using CWorkerThread::m_uiCall;
    Journal& m_journal;

protected:
    void Run() override {
        m_journal.Add("run");
        if (m_work)
            m_work(*this);
    }
    void OnFinish() override { m_journal.Add("finish"); }

private:
    std::function<void(RecordingJob&)> m_work;
};

class WorkerThreadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateCallbackWindow()); }
    void TearDown() override { DestroyCallbackWindow(); }

    Journal journal;
    const DWORD uiThread = ::GetCurrentThreadId();
};

TEST_F(WorkerThreadTest, AJobThatReturnsAtOnceFinishesOnTheUiThreadAndIsThenDeleted) {
    ASSERT_TRUE((new RecordingJob(journal, TRUE))->Start());
    ASSERT_TRUE(PumpUntil([&] { return journal.Size() == 3; }));
    EXPECT_EQ(journal.events, (std::vector<std::string>{"run", "finish", "deleted"}));
    EXPECT_NE(journal.threads[0], uiThread);
    EXPECT_EQ(journal.threads[1], uiThread);
    EXPECT_EQ(journal.threads[2], journal.threads[0]);  // deleted by its own thread, after the end hook
}

TEST_F(WorkerThreadTest, RunOnUiThreadFromTheWorkerReturnsOnceTheFunctionRanThere) {
    DWORD ranOn = 0;
    bool ranBeforeReturn = false;
    RecordingJob job(journal, FALSE, [&](RecordingJob& self) {
        self.m_uiCall.RunOnUiThread([](void* data) { *static_cast<DWORD*>(data) = ::GetCurrentThreadId(); },
                                    &ranOn);
        ranBeforeReturn = ranOn != 0;
    });
    ASSERT_TRUE(job.Start());
    ASSERT_TRUE(PumpUntil([&] { return job.IsFinished(); }));
    EXPECT_TRUE(ranBeforeReturn);
    EXPECT_EQ(ranOn, uiThread);
    EXPECT_EQ(::WaitForSingleObject(job.GetEvent(), 0), WAIT_OBJECT_0);
}

TEST_F(WorkerThreadTest, StartOnARunningJobReturnsTrueAndStartsNothing) {
    HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    RecordingJob job(journal, FALSE, [&](RecordingJob&) { ::WaitForSingleObject(release, 5000); });
    ASSERT_TRUE(job.Start());
    const HANDLE event = job.GetEvent();
    EXPECT_TRUE(job.Start());
    EXPECT_EQ(job.GetEvent(), event);  // the running job keeps the event it signals
    ::SetEvent(release);
    ASSERT_TRUE(PumpUntil([&] { return job.IsFinished(); }));
    EXPECT_EQ(journal.events, (std::vector<std::string>{"run", "finish"}));
    ::CloseHandle(release);
}

TEST_F(WorkerThreadTest, WithoutTheCallbackWindowAWorkersCallsReturnAtOnce) {
    DestroyCallbackWindow();
    int calls = 0;
    bool finished = false;
    auto* job = new RecordingJob(journal, TRUE, [&](RecordingJob& self) {
        EXPECT_EQ(self.m_uiCall.RunOnUiThread([](void* data) { ++*static_cast<int*>(data); }, &calls), 0);
    });
    ASSERT_TRUE(job->Start());
    // Nothing pumps here: the program has let its window go and waits for no job.
    const DWORD start = ::GetTickCount();
    while (!(finished = journal.Size() == 2) && ::GetTickCount() - start < 5000)
        ::Sleep(5);
    EXPECT_TRUE(finished);
    EXPECT_EQ(journal.events, (std::vector<std::string>{"run", "deleted"}));
    EXPECT_EQ(calls, 0);
}

// A window that runs the calls posted to it and records its other posted messages, in order, with the
// thread that handled each.
class PostTarget {
public:
    explicit PostTarget(Journal& journal) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &PostTarget::Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "FoldVenPostTarget";
        ::RegisterClassA(&wc);
        window = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   wc.hInstance, nullptr);
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&journal));
    }
    ~PostTarget() {
        if (::IsWindow(window))
            ::DestroyWindow(window);
    }
    HWND window = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == CUiCall::kMessage) {
            CUiCall::Run(lParam);
            return 0;
        }
        if (message == WM_APP)
            reinterpret_cast<Journal*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA))->Add("message");
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
};

TEST_F(WorkerThreadTest, PostedCallsRunOnTheWindowsThreadInTurnWithoutTheWorkerWaitingAndNotOnceItIsGone) {
    PostTarget target(journal);
    ASSERT_NE(target.window, nullptr);
    const CUiCall call{[](void* data) { static_cast<Journal*>(data)->Add("call"); }, &journal};
    bool posted = false;
    RecordingJob job(journal, FALSE, [&](RecordingJob&) {
        posted = call.PostTo(target.window) && ::PostMessageA(target.window, WM_APP, 0, 0) &&
                 call.PostTo(target.window);
    });
    ASSERT_TRUE(job.Start());
    // Nothing pumps yet: the worker has posted and gone on.
    ASSERT_EQ(::WaitForSingleObject(job.GetEvent(), 5000), WAIT_OBJECT_0);
    EXPECT_TRUE(posted);
    EXPECT_EQ(journal.Size(), 1u);
    ASSERT_TRUE(PumpUntil([&] { return job.IsFinished() && journal.Size() == 5; }));
    // The end hook is a sent call: it may run before the posted ones or between them.
    std::vector<std::string> posts = journal.events;
    posts.erase(std::remove(posts.begin(), posts.end(), "finish"), posts.end());
    EXPECT_EQ(posts, (std::vector<std::string>{"run", "call", "message", "call"}));
    for (size_t i = 1; i < journal.threads.size(); ++i)
        EXPECT_EQ(journal.threads[i], uiThread) << journal.events[i];

    // A call posted to a window that is then destroyed never runs; after that it cannot be posted.
    PostTarget gone(journal);
    EXPECT_TRUE(call.PostTo(gone.window));
    ::DestroyWindow(gone.window);
    EXPECT_FALSE(call.PostTo(gone.window));
    ASSERT_TRUE(::PostMessageA(target.window, WM_APP, 0, 0));  // handled where the lost call would have run
    ASSERT_TRUE(PumpUntil([&] { return journal.Size() == 6; }));
    EXPECT_EQ(journal.events.back(), "message");
}

}  // namespace
