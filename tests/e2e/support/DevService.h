#pragma once

#include <map>
#include <string>

// The stand-in service that the test script started; its address comes in FV_DEVSERVICE (host:port).
// Tests reset it, inject faults and read the requests it received through its control addresses.
namespace DevService {

// "host:port", or empty when the tests run without the service.
std::string Address();
// FOLDVEN_API_HOST and FOLDVEN_WEB_HOST pointing at the service, for a program under test.
std::map<std::string, std::string> HostEnvironment();

bool Reset();
// `query` as the fault address takes it, e.g. "path=/login.aspx&kind=freply&arg=105&count=3".
bool Fault(const std::string& query);
// The requests received since the last reset, as the service logs them.
std::string Log();
// How many logged request lines contain `text` (e.g. "/login.aspx?UID=tester").
int CountRequests(const std::string& text);

}  // namespace DevService
