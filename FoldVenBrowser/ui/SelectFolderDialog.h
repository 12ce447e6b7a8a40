#pragma once

#include <windows.h>

#include <string>

// A folder picker on the system's Explorer-style open dialog: folders only (unless `showFiles`), a
// "선택된 폴더 경로" field in place of the file name box and a "선택" button that accepts only a path that
// exists. The chosen folder comes back with a trailing backslash.
class CSelectFolderDialog {
public:
    static constexpr int kPathEditId = 102;

    // `filter` in the "text|pattern|" form; null for none.
    CSelectFolderDialog(BOOL showFiles, const char* initialFolder, DWORD flags, const char* filter,
                        HWND parent, const char* title);
    CSelectFolderDialog(const CSelectFolderDialog&) = delete;
    CSelectFolderDialog& operator=(const CSelectFolderDialog&) = delete;

    INT_PTR DoModal();
    const std::string& GetSelectedPath() const { return m_strSelectedPath; }

private:
    static UINT_PTR CALLBACK HookProc(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    // Lays the picker out once the system dialog is ready: the list, the buttons' texts, the path label
    // and field in place of the file name box, the file type controls, and the frame centred.
    void OnInitDone();
    RECT PlacePathLabel(int offset) const;
    void CreatePathEdit(HWND fileName, const RECT& labelRect, int editDrop, HWND list);
    void PlaceTypeControls(HWND cancel) const;
    void OnFolderChange();
    bool OnSelect();
    std::string CurrentFolder() const;

    BOOL m_bShowFiles;
    std::string m_strInitialFolder;
    bool m_bHasInitialFolder;
    DWORD m_dwFlags;
    std::string m_strFilter;  // '\0'-separated, double-'\0'-terminated; empty for none
    HWND m_hParent;
    std::string m_strTitle;
    std::string m_strSelectedPath;
    char m_szFileName[MAX_PATH] = {};
    HWND m_hFrame = nullptr;
    HWND m_hPathEdit = nullptr;
};
