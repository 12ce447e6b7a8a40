#include "tests/e2e/support/RemoteRows.h"

#include <commctrl.h>

#include <memory>

#include "FoldVenBrowser/catalogue/RemoteItem.h"
#include "tests/e2e/support/RemoteControls.h"

namespace RemoteRows {

namespace {

// A string of the program: its characters are where its own pointer says.
std::string ReadString(HWND list, const std::string& copied) {
    std::string text(copied.size(), '\0');
    if (!text.empty() && !RemoteControls::ReadOwnerMemory(list, copied.data(), text.data(), text.size()))
        return std::string();
    return text;
}

}  // namespace

int Count(HWND list) {
    return static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

std::vector<Row> Read(HWND list) {
    std::vector<Row> rows;
    for (LPARAM data : RemoteControls::ListItemData(list)) {
        // The bytes of the record, never constructed or destroyed here: only its fields are looked at.
        auto bytes = std::make_unique<unsigned char[]>(sizeof(CRemoteItem) + alignof(CRemoteItem));
        void* place = bytes.get();
        std::size_t space = sizeof(CRemoteItem) + alignof(CRemoteItem);
        std::align(alignof(CRemoteItem), sizeof(CRemoteItem), place, space);
        if (!data || !RemoteControls::ReadOwnerMemory(list, reinterpret_cast<const void*>(data), place,
                                                      sizeof(CRemoteItem)))
            continue;
        const auto* record = static_cast<const CRemoteItem*>(place);
        rows.push_back({ReadString(list, record->name), record->size, ReadString(list, record->cate2)});
    }
    return rows;
}

}  // namespace RemoteRows
