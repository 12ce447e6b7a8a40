#include <signal.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/devservice/DevOptions.h"
#include "tools/devservice/DevService.h"
#include "tools/devservice/Server.h"
#include "tools/devservice/ServiceData.h"
#include "tools/devservice/TextUtil.h"

namespace {

CServer* g_server = nullptr;

void OnSignal(int) {
    if (g_server != nullptr) {
        g_server->RequestStop();
    }
}

// Written beside and renamed into place, so a script never reads half a number.
bool WritePortFile(const std::string& file, int port) {
    std::string temp = file + ".tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        out << port << "\n";
        if (!out) {
            return false;
        }
    }
    return std::rename(temp.c_str(), file.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    CDevOptions options;
    std::string error;
    if (!options.Parse(std::vector<std::string>(argv + 1, argv + argc), error)) {
        std::fprintf(stderr, "devservice: %s\n%s", error.c_str(), CDevOptions::Usage().c_str());
        return 2;
    }
    CServiceData data;
    if (!data.Load(options.m_dataDir, error)) {
        std::fprintf(stderr, "devservice: %s\n", error.c_str());
        return 1;
    }
    CServiceSettings settings;
    settings.updateDir = options.m_updateDir;
    settings.setupFile = options.m_setupFile;
    if (!options.m_verIniFile.empty() && !CTextUtil::ReadFile(options.m_verIniFile, settings.verIni)) {
        std::fprintf(stderr, "devservice: cannot read %s\n", options.m_verIniFile.c_str());
        return 1;
    }
    CDevService service(data, settings);
    if (!options.m_traceFile.empty() && !service.OpenTrace(options.m_traceFile)) {
        std::fprintf(stderr, "devservice: cannot write %s\n", options.m_traceFile.c_str());
        return 1;
    }
    CServer server(service);
    if (!server.Listen(options.m_port, error)) {
        std::fprintf(stderr, "devservice: %s\n", error.c_str());
        return 1;
    }

    g_server = &server;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);

    if (!options.m_portFile.empty() && !WritePortFile(options.m_portFile, server.Port())) {
        std::fprintf(stderr, "devservice: cannot write %s\n", options.m_portFile.c_str());
        return 1;
    }
    std::printf("devservice listening on 127.0.0.1:%d\n", server.Port());
    std::fflush(stdout);
    server.Run();
    g_server = nullptr;
    return 0;
}
