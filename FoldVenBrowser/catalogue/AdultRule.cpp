#include "FoldVenBrowser/catalogue/AdultRule.h"

#include "FoldVenBrowser/res/resource.h"

bool IsAdultBarred(char folderAdult, char accountAdultFlag) {
    return folderAdult == 'A' && accountAdultFlag == 'N';
}

bool IsAdultBarredForList(const CRemoteLocation& folder, char accountAdultFlag, const std::string& userId) {
    return IsAdultBarred(folder.adult, accountAdultFlag) && folder.owner != userId;
}

void ShowAdultRefusal(IUiHooks& ui, OwnerWindow owner) {
    ui.ShowMessage(owner, ui.LoadString(IDS_ADULT_FOLDER));
}
