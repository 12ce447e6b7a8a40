#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "VenUpdater/app/DownloadRequest.h"
#include "VenUpdater/update/DownloadPacer.h"
#include "VenUpdater/update/UpdateFileList.h"
#include "platform/UiHooks.h"

// The downloads of one update pass, on the worker thread, through WinInet. Each file arrives in a
// temporary file beside its place and replaces the old one only when it is complete (the size the reply
// announces, else the size the list gives; a program must also be a whole program image signed by the
// updater's own publisher), so a broken transfer leaves the old file as it was.
class CFileDownloader {
public:
    static constexpr unsigned kFileInUseMessageId = 107;
    static constexpr unsigned kBrokenMessageId = 108;

    // `folder` with its trailing backslash; `baseUrl` the files base URL; `progress` the bar that shows
    // each file's kilobytes; `owner` the window that owns the messages.
    CFileDownloader(const CUpdateFileList& files, std::string folder, std::string baseUrl, HWND progress,
                    HWND owner, IUiHooks& ui);

    // True when every listed file was handled; false when the pass stopped at a failure.
    bool DownloadFiles();

    // The temporary name a download is written under.
    static std::string TemporaryPathFor(const std::string& localPath) { return localPath + ".fvpart"; }

    // How receiving into the temporary file ended.
    enum class Received {
        kWhole,         // every byte the reply announces (else the list gives), written and flushed
        kCannotCreate,  // the temporary file could not be created: nothing was written
        kBroken,        // the transfer broke off or brought another size than announced
        kNotWritten     // the disk did not take the bytes
    };

    // The three steps of one file. Open the request for the listed file (null: the pass stops).
    std::unique_ptr<CDownloadRequest> OpenRequest(const CUpdateFileEntry& entry) const;
    // Receive its body into `partPath`, moving the progress bar; a whole file gets the list's date stamp.
    Received ReceiveInto(CDownloadRequest& request, const CUpdateFileEntry& entry,
                         const std::string& partPath);
    // Commit a whole file that passes the checks by moving it to `localPath`, or discard it (and say
    // why); true when committed.
    bool CommitOrDiscard(Received received, const CUpdateFileEntry& entry, const std::string& partPath,
                         const std::string& localPath);

private:
    bool DownloadOne(const CUpdateFileEntry& entry);
    // Writes what the request delivers to `file`, counting the bytes in `count`: kWhole when the reply
    // ended, kBroken when a read failed, kNotWritten when a write did.
    Received Transfer(CDownloadRequest& request, HANDLE file, std::int64_t& count);
    void PostProgress(CDownloadPacer& pace, std::int64_t received, bool final);
    void ShowMessage(unsigned id);
    // A downloaded program that the same-publisher rule refuses, named as the list gives it.
    void ShowRefusal(const std::string& listedPath);

    const CUpdateFileList& m_files;
    std::string m_folder;
    std::string m_baseUrl;
    HWND m_hProgress;
    HWND m_hOwner;
    IUiHooks& m_ui;
};
