#include "tools/devservice/DevService.h"

#include <algorithm>

#include "tools/devservice/TextUtil.h"
#include "tools/devservice/UpdateFolder.h"

namespace {

const char* kFilesPrefix = "/update/files/";

bool Is(const std::string& path, const char* page) {
    return CTextUtil::EqualsNoCase(path, page);
}

CHttpResponse ControlText(int status, const std::string& text) {
    CHttpResponse response = CHttpResponse::Text(text);
    response.m_status = status;
    response.m_contentType = "text/plain";
    return response;
}

}  // namespace

CDevService::CDevService(const CServiceData& data, const CServiceSettings& defaults)
    : m_data(data), m_api(data), m_web(data), m_defaults(defaults), m_settings(defaults) {}

bool CDevService::IsControl(const std::string& path) {
    return CTextUtil::StartsWithNoCase(path, "/_control/");
}

CServiceSettings CDevService::Settings() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_settings;
}

void CDevService::LogUnparsed(const std::string& head) {
    m_log.Add(head, std::string());
}

void CDevService::Trace(std::chrono::system_clock::time_point received, const std::string& head) {
    const size_t target = head.find(' ');
    if (target == std::string::npos || !IsControl(head.substr(target + 1))) {
        m_trace.Add(received, head);
    }
}

CHttpResponse CDevService::Handle(const CHttpRequest& request, CDelivery& delivery) {
    delivery = CDelivery();
    if (IsControl(request.m_path)) {
        return Control(request);
    }
    m_log.Add(request.m_head, request.m_body);
    delivery = m_faults.Take(request.m_path + (request.m_query.empty() ? "" : "?" + request.m_query));
    if (delivery.fReply) {
        return CHttpResponse::Text(CApiPages::Failure(delivery.fCode));
    }
    if (delivery.status != 0) {
        return CHttpResponse::Error(delivery.status);
    }
    return Route(request);
}

CHttpResponse CDevService::Route(const CHttpRequest& request) {
    const std::string& path = request.m_path;
    const CQueryString& q = request.m_params;
    if (request.m_method != "GET" && request.m_method != "POST" && request.m_method != "HEAD") {
        return CHttpResponse::Error(405);
    }
    if (Is(path, "/login.aspx")) {
        return CHttpResponse::Text(m_api.Login(q));
    }
    if (Is(path, "/notice.aspx")) {
        return CHttpResponse::Text(m_api.Notices());
    }
    if (Is(path, "/GetInform.aspx")) {
        return CHttpResponse::Text(m_api.Balance(q));
    }
    if (Is(path, "/GetFileList.aspx")) {
        return CHttpResponse::Text(m_api.FileList(q, request.Header("Cookie"), Settings().searchFill));
    }
    if (Is(path, "/update/ReturnFileUpdateList.aspx")) {
        return CHttpResponse::Text(CUpdateFolder(Settings().updateDir).FileList());
    }
    if (CTextUtil::StartsWithNoCase(path, kFilesPrefix)) {
        std::string file;
        CUpdateFolder folder(Settings().updateDir);
        if (!folder.Resolve(path.substr(std::string(kFilesPrefix).size()), file)) {
            return CHttpResponse::Error(404);
        }
        return CHttpResponse::File(file);
    }
    if (Is(path, "/rivi/ver.ini")) {
        return CHttpResponse::Binary(Settings().verIni);
    }
    if (Is(path, "/rivi/setup.exe")) {
        std::string setup = Settings().setupFile;
        return setup.empty() ? CHttpResponse::Error(404) : CHttpResponse::File(setup);
    }
    if (Is(path, "/Main.aspx")) {
        return m_web.MainPage();
    }
    if (Is(path, "/jun.html")) {
        return m_web.BannerPage();
    }
    if (Is(path, "/login/member_search.php")) {
        return m_web.MemberSearch(q);
    }
    if (Is(path, "/cust/notice.php")) {
        return m_web.NoticePage(q);
    }
    if (Is(path, "/login/index_app.php")) {
        return m_web.AppLogin(q);
    }
    return CHttpResponse::Error(404);
}

CHttpResponse CDevService::Control(const CHttpRequest& request) {
    const std::string& path = request.m_path;
    const CQueryString& q = request.m_params;
    if (Is(path, "/_control/reset")) {
        m_faults.Reset();
        m_log.Clear();
        m_folderLock.OpenAll();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_settings = m_defaults;
        return ControlText(200, "OK\n");
    }
    if (Is(path, "/_control/fault")) {
        std::string error;
        int count = static_cast<int>(q.GetInt("count", -1));
        if (!q.Has("path") || !q.Has("kind")) {
            return ControlText(400, "fault needs path and kind\n");
        }
        if (!m_faults.Add(q.Get("path"), q.Get("kind"), q.Get("arg"), count, error)) {
            return ControlText(400, error + "\n");
        }
        return ControlText(200, "OK\n");
    }
    if (Is(path, "/_control/lock-folder")) {
        std::string error;
        if (!q.Has("dir") || !m_folderLock.Set(q.Get("dir"), q.GetInt("on", 1) != 0, error))
            return ControlText(400, error.empty() ? "lock-folder needs dir\n" : error + "\n");
        return ControlText(200, "OK\n");
    }
    if (Is(path, "/_control/log")) {
        return ControlText(200, m_log.Text());
    }
    if (Is(path, "/_control/set")) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (q.Has("update-dir")) {
            m_settings.updateDir = q.Get("update-dir");
        }
        if (q.Has("setup-file")) {
            m_settings.setupFile = q.Get("setup-file");
        }
        if (q.Has("ver-ini")) {
            m_settings.verIni = q.Get("ver-ini");
        }
        if (q.Has("search-fill")) {
            m_settings.searchFill =
                static_cast<size_t>(std::max(0LL, std::min(q.GetInt("search-fill", 0), 1LL << 20)));
        }
        return ControlText(200, "OK\n");
    }
    return ControlText(404, "unknown control address\n");
}
