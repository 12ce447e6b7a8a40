#include "tests/e2e/support/RemoteRows.h"

#include <commctrl.h>

#include <memory>

#include "FoldVenBrowser/catalogue/RemoteItem.h"

namespace RemoteRows {

namespace {

// A string of the other process: its characters are where its own pointer says.
std::string ReadString(HANDLE process, const std::string& copied) {
    std::string text(copied.size(), '\0');
    SIZE_T read = 0;
    if (!text.empty() && !::ReadProcessMemory(process, copied.data(), text.data(), text.size(), &read))
        return std::string();
    return text;
}

}  // namespace

int Count(HWND list) {
    return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

std::vector<Row> Read(HWND list) {
    std::vector<Row> rows;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(list, &pid);
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return rows;
    void* remote = ::VirtualAllocEx(process, nullptr, sizeof(LVITEMA), MEM_COMMIT, PAGE_READWRITE);
    const int count = Count(list);
    for (int i = 0; remote && i < count; ++i) {
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = i;
        SIZE_T done = 0;
        ::WriteProcessMemory(process, remote, &item, sizeof(item), &done);
        ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote));
        ::ReadProcessMemory(process, remote, &item, sizeof(item), &done);
        // The bytes of the record, never constructed or destroyed here: only its fields are looked at.
        auto bytes = std::make_unique<unsigned char[]>(sizeof(CRemoteItem) + alignof(CRemoteItem));
        void* place = bytes.get();
        std::size_t space = sizeof(CRemoteItem) + alignof(CRemoteItem);
        std::align(alignof(CRemoteItem), sizeof(CRemoteItem), place, space);
        if (!item.lParam || !::ReadProcessMemory(process, reinterpret_cast<void*>(item.lParam), place,
                                                 sizeof(CRemoteItem), &done))
            continue;
        const auto* record = static_cast<const CRemoteItem*>(place);
        rows.push_back({ReadString(process, record->name), record->size, ReadString(process, record->cate2)});
    }
    if (remote)
        ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    ::CloseHandle(process);
    return rows;
}

HWND FindChild(HWND parent, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (::GetDlgCtrlID(child) != s->id)
                return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace RemoteRows
