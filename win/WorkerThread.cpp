#include "win/WorkerThread.h"

#include <process.h>

CWorkerThread::CWorkerThread(BOOL autoDelete) : m_bAutoDelete(autoDelete) {}

CWorkerThread::~CWorkerThread() {
    if (m_nThreadId != 0 && !m_bFinished)
        Terminate();
    if (m_hThread)
        ::CloseHandle(m_hThread);
    if (m_hEvent)
        ::CloseHandle(m_hEvent);
}

BOOL CWorkerThread::Start() {
    if (!m_bFinished && m_hThread)
        return TRUE;
    // A new event for this run; the worker of an earlier run has signalled the old one and let it be.
    if (m_hEvent)
        ::CloseHandle(m_hEvent);
    m_hEvent = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (m_hThread)
        ::CloseHandle(m_hThread);
    m_bFinished = false;
    OnStart();
    // Created suspended so that the exit code and priority are set before the job can end and delete
    // itself; then it runs at once.
    m_hThread = reinterpret_cast<HANDLE>(
        ::_beginthreadex(nullptr, 0, &CWorkerThread::ThreadMain, this, CREATE_SUSPENDED, &m_nThreadId));
    if (!m_hThread) {
        m_nThreadId = 0;
        return FALSE;
    }
    if (!::GetExitCodeThread(m_hThread, &m_dwExitCode))
        return AbandonSuspendedThread();
    // The priority is a courtesy. Once the thread runs the job is its own (it may delete itself at any
    // moment), so from then on the start is a success whether or not the priority could be set.
    ::SetThreadPriority(m_hThread, THREAD_PRIORITY_BELOW_NORMAL);
    if (::ResumeThread(m_hThread) == static_cast<DWORD>(-1))
        return AbandonSuspendedThread();
    return TRUE;
}

BOOL CWorkerThread::AbandonSuspendedThread() {
    // The thread has not run a single step yet: ending it leaves the job idle and still the caller's.
    ::TerminateThread(m_hThread, 0);
    ::CloseHandle(m_hThread);
    m_hThread = nullptr;
    m_nThreadId = 0;
    m_dwExitCode = 0;
    return FALSE;
}

BOOL CWorkerThread::Terminate() {
    const BOOL result = ::TerminateThread(m_hThread, m_dwExitCode);
    if (m_hEvent)
        ::SetEvent(m_hEvent);
    OnFinish();
    m_bFinished = true;
    return result;
}

unsigned __stdcall CWorkerThread::ThreadMain(void* argument) {
    auto* job = static_cast<CWorkerThread*>(argument);
    job->Run();
    const unsigned code = job->m_dwExitCode;
    ::SetEvent(job->m_hEvent);
    job->m_uiCall.RunOnUiThread(&CWorkerThread::CallOnFinish, job);
    job->m_bFinished = true;
    if (job->m_bAutoDelete)
        delete job;
    ::_endthreadex(code);
    return code;
}

void CWorkerThread::CallOnFinish(void* job) {
    static_cast<CWorkerThread*>(job)->OnFinish();
}
