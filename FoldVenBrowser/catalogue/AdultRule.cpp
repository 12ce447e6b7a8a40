#include "FoldVenBrowser/catalogue/AdultRule.h"

#include "FoldVenBrowser/res/resource.h"

char AdultMarkFor(std::int32_t id, std::int32_t level) {
    if (level > 1 && id == 110)
        return 'A';
    switch (id) {
        case 121:
        case 131:
        case 140:
        case 150:
        case 160:
        case 177:
            return 'A';
        default:
            return 'N';
    }
}

bool IsAdultBarred(char folderAdult, char accountAdultFlag) {
    return folderAdult == 'A' && accountAdultFlag == 'N';
}

bool IsAdultBarredForList(const CRemoteLocation& folder, char accountAdultFlag, const std::string& userId) {
    return IsAdultBarred(folder.adult, accountAdultFlag) && folder.owner != userId;
}

void ShowAdultRefusal(IUiHooks& ui, OwnerWindow owner) {
    ui.ShowMessage(owner, ui.LoadString(IDS_ADULT_FOLDER));
}
