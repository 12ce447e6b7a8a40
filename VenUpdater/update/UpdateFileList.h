#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "VenUpdater/update/UpdateFileEntry.h"

// The two lists of one update pass: the local inventory (scan order) and the service's list (reply
// order). Both are filled once and only read afterwards, by the window's thread and then the worker.
class CUpdateFileList {
public:
    static constexpr std::size_t kMaxName = 259;
    static constexpr std::size_t kMaxVersion = 255;

    std::vector<CUpdateFileEntry> local;
    std::vector<CUpdateFileEntry> server;

    // Fills the server list from a reply body that is neither empty nor "Not Exist". Groups that are
    // incomplete, oversized or that name a place outside the updater's folder are dropped.
    void ParseUpdateList(const std::string& reply);

    // The local file that a server name stands for: the file entry whose full path is `folder` (with
    // its trailing backslash) followed by the name with "/" turned into "\", ignoring ASCII letter case.
    const CUpdateFileEntry* FindLocal(const std::string& folder, const std::string& name) const;

    // Whether the server's file must be fetched. The local file is never touched here: the download
    // replaces it only once the new copy is complete.
    bool NeedsDownload(const std::string& folder, const std::string& name, const std::string& version) const;
    // For names holding "ico": version texts are numbers (date stamps), fetched unless the server's is
    // smaller than the local one.
    bool NeedsDownloadNumeric(const std::string& folder, const std::string& name,
                              const std::string& version) const;
    // Dispatches on the name as the pass does. The updater's own copy is fetched only when the installed
    // updater differs from it.
    bool Decide(const std::string& folder, const CUpdateFileEntry& serverEntry) const;
};

// Whether a server name is the updater's own new copy, "temp\VenUpdater.exe" (letter case and slashes
// aside).
bool IsUpdaterCopy(const std::string& name);

// True when a reply means that nothing is to be updated.
bool IsNothingToUpdate(const std::string& reply);

// A server name is a relative path below the updater's folder: not empty, no drive, no leading
// separator and no ".." step.
bool IsSafeRelativeName(const std::string& name);

// The local path of a server name: `folder` (trailing backslash) and the name with "/" as "\".
std::string LocalPathFor(const std::string& folder, const std::string& name);

// The folders EnsureFolders creates, in order: the path up to each backslash after its first
// character, then the path itself unless only its parent is wanted.
std::vector<std::string> FoldersToCreate(const std::string& path, bool parentOnly);

// Upper end of the progress range for a file of `size` bytes: whole kilobytes, rounded.
int ProgressRange(std::int64_t size);
// Position for `received` bytes.
int ProgressPosition(std::int64_t received);

// Decimal reading in the manner of atol, but 64-bit: leading blanks, a sign, digits up to the first
// other character; 0 when there are none; saturates instead of overflowing.
std::int64_t ParseDecimal64(const std::string& text);

// ASCII lower case that leaves the trail bytes of Korean double-byte characters alone.
std::string LowerAscii949(const std::string& text);
