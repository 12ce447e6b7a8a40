#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

// A program started by an end-to-end test; killed when the object goes away if still running.
class CTestProcess {
public:
    CTestProcess() = default;
    ~CTestProcess();
    CTestProcess(const CTestProcess&) = delete;
    CTestProcess& operator=(const CTestProcess&) = delete;

    // Starts `exe` with `args` (each quoted) in `workDir`; `env` entries are added to this process's
    // environment for the child.
    bool Start(const std::string& exe, const std::vector<std::string>& args, const std::string& workDir = "",
               const std::map<std::string, std::string>& env = {});
    bool WaitForExit(DWORD milliseconds);
    bool IsRunning() const;
    DWORD ExitCode() const;
    DWORD Pid() const { return m_info.dwProcessId; }
    void Kill();

private:
    PROCESS_INFORMATION m_info{};
};

// Ends every running process whose image name is `exeName` (a test's own leftovers).
void KillProcessesNamed(const std::string& exeName);

// The ids of the running processes whose image name is `exeName`.
std::vector<DWORD> ProcessIdsNamed(const std::string& exeName);
// Waits up to `milliseconds` for a process named `exeName`; 0 when none appeared.
DWORD WaitForProcessNamed(const std::string& exeName, DWORD milliseconds);
