#include "FoldVenBrowser/app/LaunchOptions.h"

#include "FoldVenBrowser/app/BrowserSettings.h"

LaunchOptions LaunchOptions::FromArgs(const std::vector<std::string>& argv) {
    LaunchOptions options;
    options.tokenValid = argv.size() >= 2 && argv[1] == kToken;
    options.skipAutoLogin = argv.size() >= 3 && argv[2] == "-r";
    return options;
}

bool ShouldAutoLogin(const CBrowserSettings& settings, const LaunchOptions& options) {
    return settings.bSaveID != 0 && settings.bKeepPassword != 0 && !settings.strSaveID.empty() &&
           !settings.UserPW.empty() && !options.skipAutoLogin;
}

int ClassifyColorDepth(int planesTimesBits) {
    if (planesTimesBits >= 32)
        return 32;
    if (planesTimesBits >= 24)
        return 24;
    if (planesTimesBits >= 16)
        return 16;
    if (planesTimesBits >= 8)
        return 8;
    if (planesTimesBits < 4)
        return 0;
    return 4;
}

int AdjustColorDepthForComCtl(int colorDepth, std::uint32_t comCtlVersion) {
    return colorDepth == 32 && comCtlVersion < 0x60000 ? 16 : colorDepth;
}
