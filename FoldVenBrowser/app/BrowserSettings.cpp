#include "FoldVenBrowser/app/BrowserSettings.h"

namespace {
constexpr IRegistry::Root kRoot = IRegistry::Root::CurrentUser;
}

void CBrowserSettings::LoadSettings(IRegistry& registry) {
    rPathBasic = registry.ReadString(kRoot, kKey, "rPathBasic", kStringCapacity, "");
    bSaveID = registry.ReadDword(kRoot, kKey, "bSaveID", 0);
    strSaveID = registry.ReadString(kRoot, kKey, "strSaveID", kStringCapacity, "");
    bKeepPassword = registry.ReadDword(kRoot, kKey, "bKeepPassword", 0);
    UserPW = registry.ReadString(kRoot, kKey, "UserPW", kStringCapacity, "");
}

bool CBrowserSettings::SaveSettings(IRegistry& registry) const {
    bool ok = registry.WriteString(kRoot, kKey, "rPathBasic", rPathBasic);
    ok = registry.WriteDword(kRoot, kKey, "bSaveID", bSaveID) && ok;
    ok = registry.WriteString(kRoot, kKey, "strSaveID", strSaveID) && ok;
    ok = registry.WriteDword(kRoot, kKey, "bKeepPassword", bKeepPassword) && ok;
    ok = registry.WriteString(kRoot, kKey, "UserPW", UserPW) && ok;
    return ok;
}
