#include "tools/devservice/UpdateFolder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "tools/devservice/Charset.h"
#include "tools/devservice/PeVersion.h"
#include "tools/devservice/TextUtil.h"

std::string CUpdateFolder::VersionOf(const std::string& path) {
    std::string image;
    std::string version;
    if (CTextUtil::ReadFile(path, image) && CPeVersion::ReadFileVersion(image, version) && !version.empty()) {
        return version;
    }
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        return std::string();
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
