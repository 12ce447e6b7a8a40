#include "FoldVenBrowser/toolkit/HandCursor.h"

#include <string>

CHandCursor::~CHandCursor() {
    if (m_owned && m_hCursor)
        ::DestroyCursor(m_hCursor);
}

void CHandCursor::Load() {
    if (m_hCursor)
        return;
    char folder[MAX_PATH] = "";
    const UINT length = ::GetWindowsDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::string path = std::string(folder) + "\\winhlp32.exe";
        if (HMODULE module = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
            if (HCURSOR cursor = ::LoadCursorA(module, MAKEINTRESOURCEA(106))) {
                m_hCursor = reinterpret_cast<HCURSOR>(::CopyImage(cursor, IMAGE_CURSOR, 0, 0, 0));
                m_owned = m_hCursor != nullptr;
            }
            ::FreeLibrary(module);
        }
    }
    if (!m_hCursor)
        m_hCursor = ::LoadCursorA(nullptr, IDC_HAND);
}
