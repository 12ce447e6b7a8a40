#pragma once

#include <windows.h>

#include <atomic>

#include "win/UiCall.h"

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
