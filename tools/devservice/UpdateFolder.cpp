#include "tools/devservice/UpdateFolder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <mutex>
#include <vector>

#include "tools/devservice/Charset.h"
#include "tools/devservice/PeVersion.h"
#include "tools/devservice/TextUtil.h"

namespace {

// A program's version means reading the whole program, for every list request; the answer is kept
// while the file's identity, size and change times stay as they were.
struct CProgramVersion {
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    bool isProgram = false;
    std::string version;
};

std::mutex g_versionsMutex;
std::map<std::string, CProgramVersion> g_versions;

bool SameFile(const CProgramVersion& known, const struct stat& st) {
    return known.inode == st.st_ino && known.size == st.st_size &&
           known.modified.tv_sec == st.st_mtim.tv_sec && known.modified.tv_nsec == st.st_mtim.tv_nsec &&
           known.changed.tv_sec == st.st_ctim.tv_sec && known.changed.tv_nsec == st.st_ctim.tv_nsec;
}

// False when the file is no program with a FileVersion string.
bool ProgramVersion(const std::string& path, const struct stat& st, std::string& version) {
    {
        std::lock_guard<std::mutex> lock(g_versionsMutex);
        auto found = g_versions.find(path);
        if (found != g_versions.end() && SameFile(found->second, st)) {
            version = found->second.version;
            return found->second.isProgram;
        }
    }
    CProgramVersion known;
    known.inode = st.st_ino;
    known.size = st.st_size;
    known.modified = st.st_mtim;
    known.changed = st.st_ctim;
    std::string image;
    known.isProgram = CTextUtil::ReadFile(path, image) && CPeVersion::ReadFileVersion(image, known.version) &&
                      !known.version.empty();
    version = known.version;
    std::lock_guard<std::mutex> lock(g_versionsMutex);
    g_versions[path] = known;
    return known.isProgram;
}

}  // namespace

std::string CUpdateFolder::VersionOf(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        return std::string();
    }
    std::string version;
    if (ProgramVersion(path, st, version)) {
        return version;
    }
    std::tm local{};
    localtime_r(&st.st_mtime, &local);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min);
    return stamp;
}

std::string CUpdateFolder::FileList() const {
    std::string folders;
    std::string files;
    if (!m_folder.empty()) {
        Walk(std::string(), folders, files);
    }
    if (files.empty()) {
        return "Not Exist";
    }
    files.pop_back();  // no separator after the last field
    if (files.size() > kMaxFilePart) {
        std::fprintf(stderr,
                     "devservice: the update list's file part has %zu bytes; the reply format carries %zu\n",
                     files.size(), kMaxFilePart);
    }
    return folders + files;
}

// Depth first, names sorted, each folder listed before what lies in it.
void CUpdateFolder::Walk(const std::string& relative, std::string& folders, std::string& files) const {
    std::string dirPath = relative.empty() ? m_folder : m_folder + "/" + relative;
    DIR* dir = opendir(dirPath.c_str());
    if (dir == nullptr) {
        return;
    }
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") {
            names.push_back(name);
        }
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        if (name.find_first_of("@\t\r\n") != std::string::npos) {
            std::fprintf(stderr,
                         "devservice: \"%s\" left out of the update list: the list cannot carry its name\n",
                         name.c_str());
            continue;
        }
        std::string rel = relative.empty() ? name : relative + "/" + name;
        std::string full = m_folder + "/" + rel;
        struct stat st {};
        if (stat(full.c_str(), &st) != 0) {
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            folders += CCharset::Utf8ToCp949(rel) + "@";
            Walk(rel, folders, files);
        } else if (S_ISREG(st.st_mode)) {
            std::string version = VersionOf(full);
            files += CCharset::Utf8ToCp949(rel) + "\t" + (version.empty() ? "0" : version) + "\t" +
                     std::to_string(static_cast<long long>(st.st_size)) + "\t";
        }
    }
}

bool CUpdateFolder::Resolve(const std::string& name, std::string& path) const {
    if (m_folder.empty() || name.empty()) {
        return false;
    }
    std::string local = CCharset::Cp949ToUtf8(name);
    std::replace(local.begin(), local.end(), '\\', '/');
    for (const std::string& part : CTextUtil::Split(local, '/')) {
        if (part.empty() || part == "." || part == "..") {
            return false;
        }
    }
    path = m_folder + "/" + local;
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
