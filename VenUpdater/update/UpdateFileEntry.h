#pragma once

#include <cstdint>
#include <string>

// One entry of the local inventory or of the service's update list.
struct CUpdateFileEntry {
    static constexpr int kFolder = 0;
    static constexpr int kFile = 1;

    int kind = kFile;
    // Local list: full path of a file, or a folder's name. Server list: the name relative to the
    // updater's folder as the reply gives it ("/" between folders).
    std::string path;
    // Empty for folders, for files the inventory could not read and for the service's "0".
    std::string version;
    // Server list only: the announced size in bytes, for the progress bar.
    std::int64_t size = 0;
};
