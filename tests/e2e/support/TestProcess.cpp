#include "tests/e2e/support/TestProcess.h"

#include <tlhelp32.h>

namespace {

std::string Quote(const std::string& arg) {
    return "\"" + arg + "\"";
}

// The child's environment block: this process's variables with `extra` set on top.
std::vector<char> EnvironmentBlock(const std::map<std::string, std::string>& extra) {
    std::map<std::string, std::string> vars;
    char* block = ::GetEnvironmentStringsA();
    for (const char* p = block; *p; p += strlen(p) + 1) {
        std::string entry(p);
        const size_t eq = entry.find('=', 1);
        if (eq != std::string::npos)
            vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    ::FreeEnvironmentStringsA(block);
    for (const auto& [name, value] : extra)
        vars[name] = value;
    std::vector<char> out;
    for (const auto& [name, value] : vars) {
        const std::string entry = name + "=" + value;
        out.insert(out.end(), entry.begin(), entry.end());
        out.push_back('\0');
    }
    out.push_back('\0');
    return out;
}

}  // namespace

CTestProcess::~CTestProcess() {
    Kill();
    if (m_info.hProcess)
        ::CloseHandle(m_info.hProcess);
    if (m_info.hThread)
        ::CloseHandle(m_info.hThread);
}

bool CTestProcess::Start(const std::string& exe, const std::vector<std::string>& args,
                         const std::string& workDir, const std::map<std::string, std::string>& env) {
    std::string commandLine = Quote(exe);
    for (const std::string& arg : args)
        commandLine += " " + Quote(arg);
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    std::vector<char> environment = EnvironmentBlock(env);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    return ::CreateProcessA(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, environment.data(),
                            workDir.empty() ? nullptr : workDir.c_str(), &startup, &m_info) != FALSE;
}

bool CTestProcess::WaitForExit(DWORD milliseconds) {
    return m_info.hProcess && ::WaitForSingleObject(m_info.hProcess, milliseconds) == WAIT_OBJECT_0;
}

bool CTestProcess::IsRunning() const {
    return m_info.hProcess && ::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD CTestProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_info.hProcess)
        ::GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

void CTestProcess::Kill() {
    if (IsRunning()) {
        ::TerminateProcess(m_info.hProcess, 99);
        ::WaitForSingleObject(m_info.hProcess, 5000);
    }
}

void KillProcessesNamed(const std::string& exeName) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL ok = ::Process32First(snapshot, &entry); ok; ok = ::Process32Next(snapshot, &entry)) {
        if (_stricmp(entry.szExeFile, exeName.c_str()) != 0)
            continue;
        HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (!process)
            continue;
        ::TerminateProcess(process, 99);
        ::WaitForSingleObject(process, 5000);
        ::CloseHandle(process);
    }
    ::CloseHandle(snapshot);
}

std::vector<DWORD> ProcessIdsNamed(const std::string& exeName) {
    std::vector<DWORD> ids;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL ok = ::Process32First(snapshot, &entry); ok; ok = ::Process32Next(snapshot, &entry)) {
        if (_stricmp(entry.szExeFile, exeName.c_str()) == 0)
            ids.push_back(entry.th32ProcessID);
    }
    ::CloseHandle(snapshot);
    return ids;
}

DWORD WaitForProcessNamed(const std::string& exeName, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    do {
        const std::vector<DWORD> ids = ProcessIdsNamed(exeName);
        if (!ids.empty())
            return ids.front();
        ::Sleep(100);
    } while (::GetTickCount() - start < milliseconds);
    return 0;
}
