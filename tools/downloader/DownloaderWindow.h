#pragma once

#include <windows.h>

#include <string>

#include "tools/downloader/ListFileReader.h"

// The stand-in downloader's window: the class the browser looks for, the user ID and a plain list of the
// items received by list file or WM_COPYDATA. Everything received is also logged, one line each, to
// "FoldVenDown.log" in the temporary folder, for tests.
class CDownloaderWindow {
public:
    static constexpr const char* kClassName = "foldven_class_down";

    CDownloaderWindow(int argc, char** argv);
    bool Create(HINSTANCE instance, int show);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void Layout();
    void ReadListFile();
    void Receive(const std::string& text, const char* how);
    void Log(const std::string& line) const;

    HWND m_hWnd = nullptr;
    HWND m_hUser = nullptr;
    HWND m_hList = nullptr;
    HFONT m_hFont = nullptr;
    std::string m_userId;
    std::string m_listFile;
    std::string m_logFile;
    CListFileReader m_reader;
};
