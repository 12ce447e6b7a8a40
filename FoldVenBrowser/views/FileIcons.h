#pragma once

#include <windows.h>

#include <commctrl.h>

// The system's small icon for a file name, by its extension ("\" for a name ending in a slash, a
// folder), remembered per extension. User-interface thread only.
int GetFileIconIndex(const char* name, int len = -1);
// The system image list the indexes refer to; null until an icon has been looked up.
HIMAGELIST GetFileIconList();
