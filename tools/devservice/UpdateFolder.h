#pragma once

#include <cstddef>
#include <string>

// The updater's view of a folder of program files: the file list that ReturnFileUpdateList.aspx
// answers and the files served under "/Update/files/".
class CUpdateFolder {
public:
    // The longest file part the reply format carries; our updater reads longer ones whole.
    static constexpr size_t kMaxFilePart = 2047;

    explicit CUpdateFolder(const std::string& folder) : m_folder(folder) {}

    // "Not Exist" when the folder is missing or holds no file; otherwise the folders, each followed by
    // "@", then name, version and size of every file, tab-separated. Names are relative, with "/".
    std::string FileList() const;

    // The local path of a requested relative name (CP949, "/"-separated); false for names that leave
    // the folder or name no regular file.
    bool Resolve(const std::string& name, std::string& path) const;

    // The version text the updater's inventory computes: the FileVersion string of a program's version
    // resource, else the date stamp "YYYYMMDDhhmm" of its modification time in local time.
    static std::string VersionOf(const std::string& path);

private:
    void Walk(const std::string& relative, std::string& folders, std::string& files) const;

    std::string m_folder;
};
