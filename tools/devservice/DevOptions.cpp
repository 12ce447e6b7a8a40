#include "tools/devservice/DevOptions.h"

#include <cstdlib>

std::string CDevOptions::Usage() {
    return "usage: devservice --port N --port-file FILE --data DIR [--update-dir DIR] [--setup-file FILE] "
           "[--ver-ini FILE] [--trace FILE]\n";
}

bool CDevOptions::Parse(const std::vector<std::string>& args, std::string& error) {
    bool havePort = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) {
            error = name.compare(0, 2, "--") == 0 ? name + " needs a value" : "unexpected argument " + name;
            return false;
        }
        const std::string& value = args[++i];
        if (name == "--port") {
            char* end = nullptr;
            long port = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || port < 0 || port > 65535) {
                error = "bad port " + value;
                return false;
            }
            m_port = static_cast<int>(port);
            havePort = true;
        } else if (name == "--port-file") {
            m_portFile = value;
        } else if (name == "--data") {
            m_dataDir = value;
        } else if (name == "--update-dir") {
            m_updateDir = value;
        } else if (name == "--setup-file") {
            m_setupFile = value;
        } else if (name == "--ver-ini") {
            m_verIniFile = value;
        } else if (name == "--trace") {
            m_traceFile = value;
        } else {
            error = "unknown option " + name;
            return false;
        }
    }
    if (!havePort || m_dataDir.empty()) {
        error = "--port and --data are required";
        return false;
    }
    return true;
}
