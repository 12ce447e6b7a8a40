#pragma once

#include <windows.h>

#include <atomic>

// A function for the user-interface thread to run on a worker's behalf, with its one argument.
struct CUiCall {
    using Function = void (*)(void* data);

    // Runs function(data) on the user-interface thread and returns once it has run there (at once when
    // called on that thread). Without the callback window, before start-up made it or after the program
    // let it go, nothing runs and the result is 0.
    LRESULT RunOnUiThread(Function call, void* argument);

    Function function = nullptr;
    void* data = nullptr;
};

// The hidden window of the user-interface thread that runs the calls of CUiCall; made once at start-up
// before any job exists, and let go at the end, after which a worker's calls return at once.
bool CreateCallbackWindow();
void DestroyCallbackWindow();

// A job that runs Run once on a thread of its own, then its end hook OnFinish on the user-interface
// thread, and may delete itself when its thread ends.
class CWorkerThread {
public:
    explicit CWorkerThread(BOOL autoDelete);
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;
    virtual ~CWorkerThread();

    // Starts the thread; TRUE also when it already runs (then nothing new starts). TRUE means the thread
    // runs and the job belongs to it; only FALSE leaves the job to the caller.
    BOOL Start();
    // Kills a thread that still runs; only the destructor of such a job uses it.
    BOOL Terminate();
    bool IsFinished() const { return m_bFinished; }
    // Signalled when Run has returned.
    HANDLE GetEvent() const { return m_hEvent; }

protected:
    // On the starting thread, just before the thread is created.
    virtual void OnStart() {}
    // On the user-interface thread, after Run has returned.
    virtual void OnFinish() {}
    // The work, on the new thread.
    virtual void Run() = 0;

    CUiCall m_uiCall;
    DWORD m_dwExitCode = 0;

private:
    static unsigned __stdcall ThreadMain(void* job);
    static void CallOnFinish(void* job);
    BOOL AbandonSuspendedThread();

    HANDLE m_hEvent = nullptr;
    const BOOL m_bAutoDelete;
    HANDLE m_hThread = nullptr;
    unsigned m_nThreadId = 0;
    // Written by the worker, read by the starting thread.
    std::atomic<bool> m_bFinished{false};
};
