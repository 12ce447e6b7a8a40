#include "FoldVenBrowser/toolkit/ResString.h"

#include "platform/UiHooks.h"

std::string LoadResString(UINT id) {
    return SystemUiHooks().LoadString(id);
}
