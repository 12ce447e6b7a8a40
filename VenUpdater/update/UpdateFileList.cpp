#include "VenUpdater/update/UpdateFileList.h"

#include <limits>

namespace {

// Where a new copy of the updater itself is delivered, and the installed updater it is moved over.
constexpr const char* kUpdaterCopy = "temp\\venupdater.exe";
constexpr const char* kInstalledUpdater = "VenUpdater.exe";

// Splits at `separator`; runs of it count as one and empty pieces are dropped.
std::vector<std::string> SplitRuns(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

bool IsLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

}  // namespace

void CUpdateFileList::ParseUpdateList(const std::string& reply) {
    const std::vector<std::string> pieces = SplitRuns(reply, '@');
    if (pieces.empty())
        return;
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        const std::string& folder = pieces[i];
        if (folder.size() > kMaxName || !IsSafeRelativeName(folder))
            continue;
        CUpdateFileEntry entry;
        entry.kind = CUpdateFileEntry::kFolder;
        entry.path = folder;
        server.push_back(entry);
    }
    const std::vector<std::string> fields = SplitRuns(pieces.back(), '\t');
    for (std::size_t i = 0; i + 3 <= fields.size(); i += 3) {
        const std::string& name = fields[i];
        const std::string& version = fields[i + 1];
        if (name.size() > kMaxName || version.size() > kMaxVersion || !IsSafeRelativeName(name))
            continue;
        CUpdateFileEntry entry;
        entry.kind = CUpdateFileEntry::kFile;
        entry.path = name;
        entry.version = version == "0" ? std::string() : version;
        entry.size = ParseDecimal64(fields[i + 2]);
        server.push_back(entry);
    }
}

const CUpdateFileEntry* CUpdateFileList::FindLocal(const std::string& folder, const std::string& name) const {
    const std::string wanted = LowerAscii949(LocalPathFor(folder, name));
    for (const CUpdateFileEntry& entry : local) {
        if (entry.kind == CUpdateFileEntry::kFile && entry.path.size() == wanted.size() &&
            LowerAscii949(entry.path) == wanted)
            return &entry;
    }
    return nullptr;
}

bool CUpdateFileList::NeedsDownload(const std::string& folder, const std::string& name,
                                    const std::string& version) const {
    const CUpdateFileEntry* found = FindLocal(folder, name);
    return !found || found->version != version;
}

bool CUpdateFileList::NeedsDownloadNumeric(const std::string& folder, const std::string& name,
                                           const std::string& version) const {
    const CUpdateFileEntry* found = FindLocal(folder, name);
    return !found || ParseDecimal64(version) >= ParseDecimal64(found->version);
}

bool CUpdateFileList::Decide(const std::string& folder, const CUpdateFileEntry& serverEntry) const {
    if (serverEntry.kind != CUpdateFileEntry::kFile)
        return false;
    // The updater's own new copy waits below "temp" only until the browser has moved it over the
    // installed updater; from then on the installed updater is what the copy would be.
    if (IsUpdaterCopy(serverEntry.path) && !NeedsDownload(folder, kInstalledUpdater, serverEntry.version))
        return false;
    if (serverEntry.path.find("ico") != std::string::npos)
        return NeedsDownloadNumeric(folder, serverEntry.path, serverEntry.version);
    return NeedsDownload(folder, serverEntry.path, serverEntry.version);
}

bool IsUpdaterCopy(const std::string& name) {
    return LowerAscii949(LocalPathFor("", name)) == kUpdaterCopy;
}

bool IsNothingToUpdate(const std::string& reply) {
    return reply.empty() || reply == "Not Exist";
}

bool IsSafeRelativeName(const std::string& name) {
    if (name.empty() || name[0] == '\\' || name[0] == '/' || name.find(':') != std::string::npos)
        return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("\\/", start);
        if (end == std::string::npos)
            end = name.size();
        if (name.compare(start, end - start, "..") == 0)
            return false;
        start = end + 1;
    }
    return true;
}

std::string LocalPathFor(const std::string& folder, const std::string& name) {
    std::string path = folder + name;
    for (std::size_t i = folder.size(); i < path.size(); ++i) {
        if (path[i] == '/')
            path[i] = '\\';
    }
    return path;
}

std::vector<std::string> FoldersToCreate(const std::string& path, bool parentOnly) {
    std::vector<std::string> folders;
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (path[i] == '\\')
            folders.push_back(path.substr(0, i));
    }
    if (!parentOnly && !path.empty())
        folders.push_back(path);
    return folders;
}

int ProgressRange(std::int64_t size) {
    if (size <= 0)
        return 0;
    return ProgressPosition(size > std::numeric_limits<std::int64_t>::max() - 512 ? size : size + 512);
}

int ProgressPosition(std::int64_t received) {
    const std::int64_t kb = received / 1024;
    if (kb < 0)
        return 0;
    return kb > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(kb);
}

std::int64_t ParseDecimal64(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (kMax - digit) / 10)
            return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string LowerAscii949(const std::string& text) {
    std::string out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(out[i]);
        if (IsLeadByte(c)) {
            ++i;  // the trail byte may look like an ASCII letter
        } else if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}
