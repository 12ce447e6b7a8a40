#include "FoldVenBrowser/app/BrowserSettings.h"

namespace {

constexpr IRegistry::Root kRoot = IRegistry::Root::CurrentUser;
constexpr const char* kPasswordValue = "UserPW";

bool WritePassword(IRegistry& registry, IDataProtection& protection, const std::string& password) {
    const std::string& key = CBrowserSettings::kKey;
    // An empty password is no secret: it stays the empty text it always was.
    if (password.empty())
        return registry.WriteString(kRoot, key, kPasswordValue, "");
    std::string blob;
    if (!protection.Protect(password, blob)) {
        registry.WriteString(kRoot, key, kPasswordValue, "");
        return false;
    }
    return registry.WriteBinary(kRoot, key, kPasswordValue, blob);
}

std::string ReadPassword(IRegistry& registry, IDataProtection& protection) {
    const std::string& key = CBrowserSettings::kKey;
    std::string blob;
    if (registry.ReadBinary(kRoot, key, kPasswordValue, CBrowserSettings::kProtectedCapacity, blob)) {
        std::string password;
        if (!protection.Unprotect(blob, password) || password.size() >= CBrowserSettings::kStringCapacity)
            return std::string();
        return password;
    }
    // The plain text of an earlier version.
    const std::string password =
        registry.ReadString(kRoot, key, kPasswordValue, CBrowserSettings::kStringCapacity, "");
    if (!password.empty())
        WritePassword(registry, protection, password);
    return password;
}

}  // namespace

void CBrowserSettings::LoadSettings(IRegistry& registry, IDataProtection& protection) {
    rPathBasic = registry.ReadString(kRoot, kKey, "rPathBasic", kStringCapacity, "");
    bSaveID = registry.ReadDword(kRoot, kKey, "bSaveID", 0);
    strSaveID = registry.ReadString(kRoot, kKey, "strSaveID", kStringCapacity, "");
    bKeepPassword = registry.ReadDword(kRoot, kKey, "bKeepPassword", 0);
    UserPW = ReadPassword(registry, protection);
}

bool CBrowserSettings::SaveSettings(IRegistry& registry, IDataProtection& protection) const {
    bool ok = registry.WriteString(kRoot, kKey, "rPathBasic", rPathBasic);
    ok = registry.WriteDword(kRoot, kKey, "bSaveID", bSaveID) && ok;
    ok = registry.WriteString(kRoot, kKey, "strSaveID", strSaveID) && ok;
    ok = registry.WriteDword(kRoot, kKey, "bKeepPassword", bKeepPassword) && ok;
    ok = WritePassword(registry, protection, UserPW) && ok;
    return ok;
}
