#pragma once

#include <mutex>
#include <string>

#include "tools/devservice/ApiPages.h"
#include "tools/devservice/FaultPlan.h"
#include "tools/devservice/FolderLock.h"
#include "tools/devservice/HttpRequest.h"
#include "tools/devservice/HttpResponse.h"
#include "tools/devservice/RequestLog.h"
#include "tools/devservice/RequestTrace.h"
#include "tools/devservice/ServiceData.h"
#include "tools/devservice/WebPages.h"

// Run-time settings that /_control/set changes and /_control/reset restores.
struct CServiceSettings {
    std::string updateDir;
    std::string setupFile;
    std::string verIni = "2.3.1.2";
    size_t searchFill = 0;  // when set, a search answers that many generated lines (for benchmarks)
};

// Answers every address of the API host and the web host, and the control addresses under /_control/.
class CDevService {
public:
    CDevService(const CServiceData& data, const CServiceSettings& defaults);

    // The reply to a parsed request and the faults selected for it. Requests outside /_control/ are
    // logged first.
    CHttpResponse Handle(const CHttpRequest& request, CDelivery& delivery);
    void LogUnparsed(const std::string& head);
    // Traced requests are those outside /_control/, after their reply has gone out.
    bool OpenTrace(const std::string& path) { return m_trace.Open(path); }
    void Trace(std::chrono::system_clock::time_point received, const std::string& head);

    static bool IsControl(const std::string& path);

private:
    CHttpResponse Route(const CHttpRequest& request);
    CHttpResponse Control(const CHttpRequest& request);
    CServiceSettings Settings() const;

    const CServiceData& m_data;
    CApiPages m_api;
    CWebPages m_web;
    CFaultPlan m_faults;
    CFolderLock m_folderLock;
    CRequestLog m_log;
    CRequestTrace m_trace;
    const CServiceSettings m_defaults;
    mutable std::mutex m_mutex;
    CServiceSettings m_settings;
};
