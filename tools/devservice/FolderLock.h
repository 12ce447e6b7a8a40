#pragma once

#include <mutex>
#include <set>
#include <string>

// Folders closed to writing for tests of a program folder that the programs may not write into, as
// "C:\Program Files" is for a user's programs on Windows. The service runs as root, and root ignores
// permission bits, so the folder and the files directly in it get the immutable attribute: nobody can
// create, rename, delete or change them until they are opened again. Subfolders stay open.
class CFolderLock {
public:
    ~CFolderLock() { OpenAll(); }

    // Closes (`closed`) or opens the folder at the Unix path and its files; false with `error` set on
    // failure.
    bool Set(const std::string& path, bool closed, std::string& error);
    // Opens every folder this service closed.
    void OpenAll();

private:
    std::mutex m_mutex;
    std::set<std::string> m_closed;
};
