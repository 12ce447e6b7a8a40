#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "FoldVenBrowser/views/BrowseHost.h"
#include "tests/core/FoldVenBrowser/catalogue/CatalogueFakes.h"
#include "tests/support/RecordingUi.h"
#include "tests/win/FoldVenBrowser/toolkit/TestParent.h"

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
