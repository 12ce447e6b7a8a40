#pragma once

#include <string>

#include "FoldVenBrowser/catalogue/RemoteLocation.h"
#include "platform/UiHooks.h"

// The tree's rule: an account flagged 'N' never opens an adult-only folder.
bool IsAdultBarred(char folderAdult, char accountAdultFlag);

// The list's rule: the tree's, except that the folder's owner may open it.
bool IsAdultBarredForList(const CRemoteLocation& folder, char accountAdultFlag, const std::string& userId);

// Tells the user that the folder is for adults only (string 118).
void ShowAdultRefusal(IUiHooks& ui, OwnerWindow owner);
