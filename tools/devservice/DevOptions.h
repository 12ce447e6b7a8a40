#pragma once

#include <string>
#include <vector>

// The command line: devservice --port N --port-file FILE --data DIR [--update-dir DIR]
// [--setup-file FILE] [--ver-ini FILE] [--trace FILE]
class CDevOptions {
public:
    // False with `error` set for an unknown option, a missing value or a bad port.
    bool Parse(const std::vector<std::string>& args, std::string& error);
    static std::string Usage();

    int m_port = 0;
    std::string m_portFile;
    std::string m_dataDir;
    std::string m_updateDir;
    std::string m_setupFile;
    std::string m_verIniFile;
    std::string m_traceFile;
};
