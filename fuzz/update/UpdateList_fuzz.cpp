#include <cstddef>
#include <cstdint>
#include <string>

#include "VenUpdater/update/UpdateFileList.h"

// The update list reply: parsing, then the decision and path steps every parsed entry goes through.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string reply(reinterpret_cast<const char*>(data), size);
    CUpdateFileList list;
    CUpdateFileEntry local;
    local.path = "C:\\FoldVen\\a.ico";
    local.version = "201012011200";
    list.local.push_back(local);
    list.ParseUpdateList(reply);
    for (const CUpdateFileEntry& entry : list.server) {
        if (entry.path.size() > CUpdateFileList::kMaxName || !IsSafeRelativeName(entry.path))
            __builtin_trap();
        list.Decide("C:\\FoldVen\\", entry);
        FoldersToCreate(LocalPathFor("C:\\FoldVen\\", entry.path), true);
        ProgressRange(entry.size);
    }
    return 0;
}
