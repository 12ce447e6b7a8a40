#pragma once

#include <map>
#include <string>

// The stand-in service that the test script started (its address in FV_DEVSERVICE, "host:port"),
// driven through its control addresses.
namespace DevService {

std::string Address();
// GET of `target` ("/path?query"); false when the service cannot be reached or answers other than 200.
bool Get(const std::string& target, std::string* body = nullptr);
// Clears faults and the request log and restores the start settings.
bool Reset();
// Serves the update list and files from `windowsFolder` (a folder of the Wine prefix).
bool SetUpdateDir(const std::string& windowsFolder);
// Applies fault `kind` to the next `count` requests whose target starts with `pathPrefix` (all when
// count < 0).
bool Fault(const std::string& pathPrefix, const std::string& kind, int count = -1,
           const std::string& arg = "");
// Closes a folder of the Wine prefix and the files directly in it to writing for every program, root's
// too (`closed` false opens them again; a reset opens everything closed).
bool LockFolder(const std::string& windowsFolder, bool closed = true);
// The requests received since the last reset, as the service logs them.
std::string Log();
// How many logged request lines contain `text` (e.g. "/login.aspx?UID=tester&").
int CountRequests(const std::string& text);
// FOLDVEN_API_HOST, FOLDVEN_WEB_HOST and FOLDVEN_SEARCH_HOST naming the service, for a program under test.
std::map<std::string, std::string> HostEnvironment();

// The Unix path of a Windows path inside Wine.
std::string UnixPathOf(const std::string& windowsPath);
std::string QueryEscape(const std::string& text);

}  // namespace DevService
