#pragma once

#include <windows.h>

#include <string>

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

private:
    bool DownloadOne(const CUpdateFileEntry& entry);
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
