#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "FoldVenBrowser/views/BrowseHost.h"
#include "tests/core/catalogue/CatalogueFakes.h"
#include "tests/support/RecordingUi.h"

// The main window as the views see it: a catalogue fed by an in-memory service, a recording UI and a
// record of what the views asked of it.
class FakeBrowseHost : public IBrowseHost {
public:
    FakeBrowseHost() {
        explorer.m_catalog.SetListingSource(&service);
        session.userId = "tester";
        session.password = "pw";
        session.adultFlag = 'N';
        ui.strings[118] = "adult only";
        ui.strings[120] = "select files";
    }

    CRemoteExplorer& GetExplorer() override { return explorer; }
    const CSessionInfo& GetSession() const override { return session; }
    IUiHooks& GetUi() override { return ui; }
    HWND GetMessageOwner() const override { return nullptr; }
    HIMAGELIST GetMenuImageList() const override { return nullptr; }
    int SetActivePane(HWND) override { return -1; }
    void SelectTreeFolder(const CRemoteLocation& location, TreeItemHandle) override {
        calls.push_back("select tree " + location.name);
    }
    BOOL OpenTreeSelection() override {
        calls.push_back("open tree selection");
        return onOpenTreeSelection ? onOpenTreeSelection() : TRUE;
    }
    void ShowRemoteListPanel() override {}
    void BeginDownloadList() override { calls.push_back("begin"); }
    void AddDownloadItem(const std::string& id, const std::string& name) override {
        calls.push_back("add " + id + " " + name);
    }
    void SendDownloadList(const std::string& userId, const std::string& password) override {
        calls.push_back("send " + userId + " " + password);
    }

    FakeListingSource service;
    CRemoteExplorer explorer;
    CSessionInfo session;
    RecordingUi ui;
    std::vector<std::string> calls;
    std::function<BOOL()> onOpenTreeSelection;
};

// A hidden top-level window that hands the notifications of its children to `onNotify`.
class NotifyParent {
public:
    NotifyParent() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &NotifyParent::Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "FvViewsTestParent";
        ::RegisterClassA(&wc);
        m_hWnd = ::CreateWindowExA(0, wc.lpszClassName, "views", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0,
                                   700, 500, nullptr, nullptr, wc.hInstance, this);
    }
    ~NotifyParent() { ::DestroyWindow(m_hWnd); }
    HWND Hwnd() const { return m_hWnd; }

    std::function<bool(NMHDR*, LRESULT&)> onNotify;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<NotifyParent*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        LRESULT result = 0;
        if (message == WM_NOTIFY && self && self->onNotify &&
            self->onNotify(reinterpret_cast<NMHDR*>(lParam), result))
            return result;
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
};
