#include "FoldVenBrowser/ui/BoundedDownload.h"

#include <windows.h>

#include <objbase.h>
#include <process.h>

#include <atomic>
#include <memory>
#include <mutex>

#include "FoldVenBrowser/ui/BindStatusSink.h"
#include "platform/UiWait.h"

namespace {

// Shared by the caller and the download's thread, which may outlive the caller's wait.
struct DownloadJob {
    std::string url;
    std::string part;
    std::mutex mutex;
    bool abandoned = false;
    bool ok = false;
};

// Ends a download that was given up on at its next progress report.
class CAbortWhenAbandoned : public CBindStatusSink {
public:
    explicit CAbortWhenAbandoned(DownloadJob& job) : m_job(job) {}

    HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override {
        std::lock_guard<std::mutex> lock(m_job.mutex);
        return m_job.abandoned ? E_ABORT : S_OK;
    }

private:
    DownloadJob& m_job;
};

unsigned __stdcall DownloadThread(void* argument) {
    std::unique_ptr<std::shared_ptr<DownloadJob>> owner(static_cast<std::shared_ptr<DownloadJob>*>(argument));
    DownloadJob& job = **owner;
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    CAbortWhenAbandoned callback(job);
    const bool ok = SUCCEEDED(::URLDownloadToFileA(nullptr, job.url.c_str(), job.part.c_str(), 0, &callback));
    if (SUCCEEDED(com))
        ::CoUninitialize();
    std::lock_guard<std::mutex> lock(job.mutex);
    job.ok = ok;
    if (job.abandoned)
        ::DeleteFileA(job.part.c_str());
    return 0;
}

}  // namespace

bool DownloadWithinLimit(const std::string& url, const std::string& file, unsigned limitMs) {
    static std::atomic<unsigned> serial{0};
    auto job = std::make_shared<DownloadJob>();
    job->url = url;
    job->part =
        file + "." + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++serial) + ".part";
    auto* shared = new std::shared_ptr<DownloadJob>(job);
    HANDLE thread =
        reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, &DownloadThread, shared, 0, nullptr));
    if (!thread) {
        delete shared;
        return false;
    }
    const bool ended = UiWait::Wait(thread, limitMs);
    ::CloseHandle(thread);
    std::lock_guard<std::mutex> lock(job->mutex);
    if (!ended) {
        job->abandoned = true;  // the thread removes its file when it ends
        return false;
    }
    const bool ok = job->ok && ::MoveFileExA(job->part.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING);
    ::DeleteFileA(job->part.c_str());
    return ok;
}
