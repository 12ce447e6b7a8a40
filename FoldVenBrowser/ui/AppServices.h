#pragma once

#include <cstdint>
#include <string>

class CBrowserSettings;
struct CSessionInfo;

// What the login dialog and the main window take from the application object, which hands itself to
// them when it makes them: the saved settings, the account's session, the login, and what it found out
// about the display at start-up.
class IAppServices {
public:
    virtual ~IAppServices() = default;

    virtual CBrowserSettings& Settings() = 0;
    virtual CSessionInfo& Session() = 0;
    virtual bool IsLoggedIn() const = 0;
    // Logs in; on success saves the login dialog's options and ends it with OK.
    virtual bool Login(const std::string& userId, const std::string& password) = 0;
    // The ILC_COLOR* flag of the display's colour depth, and the common controls' version.
    virtual int ColorDepth() const = 0;
    virtual std::uint32_t ComCtlVersion() const = 0;
};
