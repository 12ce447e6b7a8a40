#include "tests/e2e/support/RemoteControls.h"

#include <cstring>
#include <functional>

namespace RemoteControls {

namespace {

// A block of memory inside the process that owns `window`.
class RemoteBlock {
public:
    RemoteBlock(HWND window, SIZE_T size) : m_size(size) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(window, &pid);
        m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (m_process)
            m_address = ::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (m_address)
            ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        if (m_process)
            ::CloseHandle(m_process);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    char* Address() const { return static_cast<char*>(m_address); }
    LPARAM At(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(Address() + offset); }
    bool Write(const void* data, SIZE_T size, SIZE_T offset = 0) const {
        return m_address && offset + size <= m_size &&
               ::WriteProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }
    bool Read(void* data, SIZE_T size, SIZE_T offset = 0) const {
        return m_address && offset + size <= m_size &&
               ::ReadProcessMemory(m_process, Address() + offset, data, size, nullptr);
    }

private:
    HANDLE m_process = nullptr;
    void* m_address = nullptr;
    SIZE_T m_size;
};

constexpr SIZE_T kTextSize = 512;

struct Search {
    std::string className;
    int id;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char name[64] = "";
    ::GetClassNameA(hwnd, name, sizeof(name));
    if (search->className == name && (search->id == 0 || ::GetDlgCtrlID(hwnd) == search->id)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

RECT ToScreen(HWND window, RECT rc) {
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

}  // namespace

HWND FindDescendant(HWND root, const std::string& className, int id) {
    Search search{className, id, nullptr};
    ::EnumChildWindows(root, &MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::string> ListColumn(HWND list, int column) {
    std::vector<std::string> texts;
    RemoteBlock block(list, sizeof(LVITEMA) + kTextSize);
    const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = block.Address() + sizeof(LVITEMA);
        item.cchTextMax = kTextSize;
        char text[kTextSize] = "";
        block.Write(&item, sizeof(item));
        block.Write(text, 1, sizeof(LVITEMA));
        ::SendMessageA(list, LVM_GETITEMTEXTA, row, block.At());
        block.Read(text, kTextSize, sizeof(LVITEMA));
        text[kTextSize - 1] = '\0';
        texts.push_back(text);
    }
    return texts;
}

int ListRowOf(HWND list, const std::string& text) {
    const std::vector<std::string> rows = ListColumn(list);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row] == text)
            return static_cast<int>(row);
    }
    return -1;
}

RECT ListRowRect(HWND list, int row) {
    RemoteBlock block(list, sizeof(RECT));
    RECT rc{LVIR_LABEL, 0, 0, 0};
    block.Write(&rc, sizeof(rc));
    ::SendMessageA(list, LVM_GETITEMRECT, row, block.At());
    block.Read(&rc, sizeof(rc));
    return ToScreen(list, rc);
}

RECT HeaderItemRect(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    RemoteBlock block(header, sizeof(RECT));
    RECT rc{};
    ::SendMessageA(header, HDM_GETITEMRECT, column, block.At());
    block.Read(&rc, sizeof(rc));
    return ToScreen(header, rc);
}

void SelectListRows(HWND list, const std::vector<int>& rows) {
    RemoteBlock block(list, sizeof(LVITEMA));
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    block.Write(&item, sizeof(item));
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), block.At());
    item.state = LVIS_SELECTED;
    block.Write(&item, sizeof(item));
    for (int row : rows)
        ::SendMessageA(list, LVM_SETITEMSTATE, row, block.At());
}

namespace {

// Each child of a tree node (of the top level for null) with its text, until `visit` answers false.
void ForEachTreeChild(HWND tree, HTREEITEM parent,
                      const std::function<bool(HTREEITEM, const std::string&)>& visit) {
    RemoteBlock block(tree, sizeof(TVITEMA) + kTextSize);
    HTREEITEM node = reinterpret_cast<HTREEITEM>(::SendMessageA(
        tree, TVM_GETNEXTITEM, parent ? TVGN_CHILD : TVGN_ROOT, reinterpret_cast<LPARAM>(parent)));
    for (; node; node = reinterpret_cast<HTREEITEM>(
                     ::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(node)))) {
        TVITEMA item{};
        item.mask = TVIF_TEXT;
        item.hItem = node;
        item.pszText = block.Address() + sizeof(TVITEMA);
        item.cchTextMax = kTextSize;
        block.Write(&item, sizeof(item));
        ::SendMessageA(tree, TVM_GETITEMA, 0, block.At());
        char text[kTextSize] = "";
        block.Read(text, kTextSize, sizeof(TVITEMA));
        text[kTextSize - 1] = '\0';
        if (!visit(node, text))
            return;
    }
}

}  // namespace

std::vector<std::string> TreeChildren(HWND tree, HTREEITEM parent) {
    std::vector<std::string> texts;
    ForEachTreeChild(tree, parent, [&](HTREEITEM, const std::string& text) {
        texts.push_back(text);
        return true;
    });
    return texts;
}

HTREEITEM TreeChildOf(HWND tree, HTREEITEM parent, const std::string& text) {
    HTREEITEM found = nullptr;
    ForEachTreeChild(tree, parent, [&](HTREEITEM node, const std::string& nodeText) {
        if (nodeText == text)
            found = node;
        return found == nullptr;
    });
    return found;
}

RECT TreeItemRect(HWND tree, HTREEITEM node) {
    RECT rc{};
    RemoteBlock block(tree, sizeof(RECT));
    std::memcpy(&rc, &node, sizeof(node));  // TVM_GETITEMRECT takes the item in the rectangle
    block.Write(&rc, sizeof(rc));
    if (::SendMessageA(tree, TVM_GETITEMRECT, TRUE, block.At()))
        block.Read(&rc, sizeof(rc));
    ::MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

POINT CentreOf(const RECT& rc) {
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

namespace {

// The cursor to `screen`, then `down` and a button release posted at that place in `window`.
void PostButtonAt(HWND window, POINT screen, UINT down) {
    ::SetCursorPos(screen.x, screen.y);
    // The program finds the row under a double click from the position its message carries
    // (GetMessagePos), which is the cursor's when the message is posted. Under Wine the pointer's
    // move goes through the X server and an earlier move's event can still set it back for a moment:
    // the click is posted only once the cursor has stayed where it was put.
    int steady = 0;
    for (int waited = 0; steady < 3 && waited < 1000; waited += 5) {
        POINT at{};
        steady = ::GetCursorPos(&at) && at.x == screen.x && at.y == screen.y ? steady + 1 : 0;
        ::Sleep(5);
    }
    POINT client = screen;
    ::ScreenToClient(window, &client);
    ::PostMessageA(window, down, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    ::PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
}

}  // namespace

void ClickAt(HWND window, POINT screen) {
    PostButtonAt(window, screen, WM_LBUTTONDOWN);
}

void DoubleClickAt(HWND window, POINT screen) {
    PostButtonAt(window, screen, WM_LBUTTONDBLCLK);
}

}  // namespace RemoteControls
