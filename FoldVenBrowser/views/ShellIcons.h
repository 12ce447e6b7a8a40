#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <unordered_map>

#include "FoldVenBrowser/catalogue/TreeRules.h"

// The small system image list shared by the catalogue views, with the program's own icons appended once,
// and the system icons of file types looked up once per extension rather than once per row.
class CShellIcons {
public:
    static CShellIcons& Get();

    // Null when the shell has no image list.
    HIMAGELIST ImageList();
    // The index of a program icon resource appended to the list (each once); -1 when it cannot be.
    int ProgramIcon(UINT iconId);
    // The system's icon for a file of that name's extension, or for a folder; 0 when the shell has none.
    int FileIcon(const std::string& name);
    int FolderIcon() { return FileIcon("\\"); }

private:
    HIMAGELIST m_list = nullptr;
    std::map<UINT, int> m_programIcons;
    std::unordered_map<std::string, int> m_fileIcons;
};

// The index in CShellIcons' list of a catalogue picture; `name` chooses a file's system icon.
int CatalogueIconIndex(CatalogueIcon icon, const std::string& name);
