#include "FoldVenBrowser/ui/SelectFolderDialog.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT_PTR kFrameSubclassId = 0x5346;  // "SF"
constexpr const char* kCaption = "폴드벤";

RECT ChildRect(HWND frame, HWND child) {
    RECT rc{};
    ::GetWindowRect(child, &rc);
    ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

void Place(HWND child, const RECT& rc) {
    ::SetWindowPos(child, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// The folder list reaches down to the Cancel button's row.
void StretchFolderList(HWND frame, HWND list, HWND cancel) {
    RECT rc = ChildRect(frame, list);
    const int height = std::abs(rc.top + 45 - ChildRect(frame, cancel).top) + 25;
    rc.bottom = rc.top + height;
    Place(list, rc);
}

void CentreOnWorkArea(HWND frame) {
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT rc{};
    ::GetWindowRect(frame, &rc);
    ::SetWindowPos(frame, nullptr, (area.left + area.right - (rc.right - rc.left)) / 2,
                   (area.top + area.bottom - (rc.bottom - rc.top)) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CSelectFolderDialog::CSelectFolderDialog(BOOL showFiles, const char* initialFolder, DWORD flags,
                                         const char* filter, HWND parent, const char* title)
    : m_bShowFiles(showFiles),
      m_strInitialFolder(initialFolder ? initialFolder : ""),
      m_bHasInitialFolder(initialFolder != nullptr),
      m_dwFlags(flags),
      m_hParent(parent),
      m_strTitle(title ? title : "") {
    if (filter && *filter) {
        m_strFilter = filter;
        for (char& c : m_strFilter) {
            if (c == '|')
                c = '\0';
        }
        m_strFilter += std::string(2, '\0');
    }
    // "*..*" matches no file, so only folders are listed.
    const char* start = !showFiles ? "*..*" : (m_strFilter.empty() ? "*.*" : "");
    std::strncpy(m_szFileName, start, sizeof(m_szFileName) - 1);
}

INT_PTR CSelectFolderDialog::DoModal() {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_hParent;
    ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
    ofn.lpstrFile = m_szFileName;
    ofn.nMaxFile = sizeof(m_szFileName);
    ofn.lpstrInitialDir = m_bHasInitialFolder ? m_strInitialFolder.c_str() : nullptr;
    ofn.lpstrTitle = m_strTitle.empty() ? nullptr : m_strTitle.c_str();
    ofn.Flags = m_dwFlags | OFN_EXPLORER | OFN_ENABLEHOOK;
    ofn.lpfnHook = &CSelectFolderDialog::HookProc;
    ofn.lCustData = reinterpret_cast<LPARAM>(this);
    m_strSelectedPath.clear();
    return ::GetOpenFileNameA(&ofn) ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CSelectFolderDialog::HookProc(HWND hook, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* ofn = reinterpret_cast<OPENFILENAMEA*>(lParam);
        ::SetWindowLongPtrA(hook, GWLP_USERDATA, ofn->lCustData);
        reinterpret_cast<CSelectFolderDialog*>(ofn->lCustData)->m_hFrame = ::GetParent(hook);
        return TRUE;
    }
    auto* self = reinterpret_cast<CSelectFolderDialog*>(::GetWindowLongPtrA(hook, GWLP_USERDATA));
    if (!self || message != WM_NOTIFY)
        return FALSE;
    switch (reinterpret_cast<NMHDR*>(lParam)->code) {
        case CDN_INITDONE:
            self->OnInitDone();
            break;
        case CDN_FOLDERCHANGE:
            self->OnFolderChange();
            break;
        default:
            break;
    }
    return FALSE;
}

void CSelectFolderDialog::OnInitDone() {
    HWND frame = m_hFrame;
    // The file name field is an edit box in one template and a combo box in the other; the path field
    // takes its place at a drop that suits each.
    HWND fileName = ::GetDlgItem(frame, edt1);
    int offset = 12;
    int editDrop = 30;
    if (!fileName) {
        fileName = ::GetDlgItem(frame, cmb13);
        offset = 4;
        editDrop = 26;
    }
    HWND list = ::GetDlgItem(frame, lst1);
    HWND cancel = ::GetDlgItem(frame, IDCANCEL);
    if (list && cancel)
        StretchFolderList(frame, list, cancel);
    ::SetDlgItemTextA(frame, IDOK, "선택");
    ::SetWindowTextA(frame, m_strTitle.c_str());
    ::SetWindowSubclass(frame, &CSelectFolderDialog::FrameProc, kFrameSubclassId,
                        reinterpret_cast<DWORD_PTR>(this));

    const RECT labelRect = PlacePathLabel(offset);
    if (fileName)
        CreatePathEdit(fileName, labelRect, editDrop, list);
    PlaceTypeControls(cancel);
    CentreOnWorkArea(frame);
}

RECT CSelectFolderDialog::PlacePathLabel(int offset) const {
    HWND label = ::GetDlgItem(m_hFrame, stc3);
    if (!label)
        return RECT{};
    RECT labelRect = ChildRect(m_hFrame, label);
    ::SetWindowTextA(label, "선택된 폴더 경로");
    ::OffsetRect(&labelRect, 0, offset);
    labelRect.right += 20;
    Place(label, labelRect);
    return labelRect;
}

void CSelectFolderDialog::CreatePathEdit(HWND fileName, const RECT& labelRect, int editDrop, HWND list) {
    HWND frame = m_hFrame;
    ::ShowWindow(fileName, SW_HIDE);
    RECT rc = ChildRect(frame, fileName);
    rc.left = labelRect.left;
    rc.right -= 70;
    ::OffsetRect(&rc, 0, editDrop);
    m_hPathEdit =
        ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", m_strInitialFolder.c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, rc.left, rc.top,
                          rc.right - rc.left, rc.bottom - rc.top, frame,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPathEditId)), nullptr, nullptr);
    ::SendMessageA(m_hPathEdit, WM_SETFONT, ::SendDlgItemMessageA(frame, cmb2, WM_GETFONT, 0, 0), FALSE);
    if (list)
        ::SetWindowPos(m_hPathEdit, list, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CSelectFolderDialog::PlaceTypeControls(HWND cancel) const {
    HWND frame = m_hFrame;
    HWND typeLabel = ::GetDlgItem(frame, stc2);
    HWND typeBox = ::GetDlgItem(frame, cmb1);
    if (!m_bShowFiles || m_strFilter.empty()) {
        ::ShowWindow(typeLabel, SW_HIDE);
        ::ShowWindow(typeBox, SW_HIDE);
        return;
    }
    RECT rc{};
    ::GetWindowRect(frame, &rc);
    ::SetWindowPos(frame, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top + 35,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT typeLabelRect = ChildRect(frame, typeLabel);
    ::OffsetRect(&typeLabelRect, 0, 25);
    Place(typeLabel, typeLabelRect);
    RECT typeBoxRect = ChildRect(frame, typeBox);
    ::OffsetRect(&typeBoxRect, 0, 25);
    Place(typeBox, typeBoxRect);
    RECT cancelRect = ChildRect(frame, cancel);
    ::OffsetRect(&cancelRect, 0, typeLabelRect.bottom - 2 - cancelRect.bottom);
    Place(cancel, cancelRect);
    if (m_hPathEdit) {
        RECT editRect = ChildRect(frame, m_hPathEdit);
        editRect.right = cancelRect.right;
        Place(m_hPathEdit, editRect);
    }
}

void CSelectFolderDialog::OnFolderChange() {
    if (m_hFrame && m_hPathEdit)
        ::SetWindowTextA(m_hPathEdit, CurrentFolder().c_str());
}

std::string CSelectFolderDialog::CurrentFolder() const {
    char path[MAX_PATH + 1] = {};
    ::SendMessageA(m_hFrame, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(path));
    return path;
}

LRESULT CALLBACK CSelectFolderDialog::FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR, DWORD_PTR self) {
    // Exactly "OK clicked": the typed or browsed folder is checked here instead of being opened as a file.
    if (message == WM_COMMAND && wParam == IDOK) {
        reinterpret_cast<CSelectFolderDialog*>(self)->OnSelect();
        return 0;
    }
    if (message == WM_NCDESTROY)
        ::RemoveWindowSubclass(frame, &CSelectFolderDialog::FrameProc, kFrameSubclassId);
    return ::DefSubclassProc(frame, message, wParam, lParam);
}

bool CSelectFolderDialog::OnSelect() {
    char typed[MAX_PATH * 2] = {};
    if (m_hPathEdit)
        ::GetWindowTextA(m_hPathEdit, typed, sizeof(typed));
    std::string path = typed;
    if (path.empty())
        path = CurrentFolder();
    if (path.find("\\\\") != std::string::npos) {
        ::MessageBoxA(m_hFrame, "잘못된 경로입니다.", kCaption, MB_ICONERROR);
        return false;
    }
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    // A file of that name is no folder to save into either.
    if (path.empty() || !IsFolder(path)) {
        ::MessageBoxA(m_hFrame, "존재하지 않는 경로입니다", kCaption, MB_ICONERROR);
        return false;
    }
    m_strSelectedPath = path + "\\";
    ::EndDialog(m_hFrame, IDOK);
    return true;
}
