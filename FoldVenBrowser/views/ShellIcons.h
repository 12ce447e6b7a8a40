#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>
#include <unordered_map>

#include "FoldVenBrowser/catalogue/TreeRules.h"

// The small image list shared by the catalogue views: the program's catalogue icons and copies of the
// system's icons for file types, each looked up once per extension rather than once per row. The list
// is the program's own: appending to the system's small list would put its indexes out of step with
// the system's other lists, whose indexes the shell reports.
class CShellIcons {
public:
    static CShellIcons& Get();

    // Null when no list can be made.
    HIMAGELIST ImageList();
    // The index of a program icon resource (each added once); -1 when it cannot be.
    int ProgramIcon(UINT iconId);
    // The system's icon for a file of that name's extension, or for a folder; 0 when the shell has none.
    int FileIcon(const std::string& name);
    int FolderIcon() { return FileIcon("\\"); }

private:
    int Add(HICON icon);

    HIMAGELIST m_list = nullptr;
    std::map<UINT, int> m_programIcons;
    std::unordered_map<std::string, int> m_fileIcons;
};

// The index in CShellIcons' list of a catalogue picture; `name` chooses a file's system icon.
int CatalogueIconIndex(CatalogueIcon icon, const std::string& name);
