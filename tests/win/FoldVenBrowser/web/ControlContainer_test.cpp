#include <gtest/gtest.h>

#include <windows.h>

#include <mshtmhst.h>

#include "FoldVenBrowser/web/ControlContainer.h"

namespace {

// The document host's questions, asked through the interfaces a browser control uses.
TEST(BrowserHost, EverySiteAnswersTheDocumentHostTheProgramsWay) {
    CControlContainerManager manager;
    CControlSite* site = manager.CreateSite(nullptr, nullptr);
    IDocHostUIHandler* handler = nullptr;
    ASSERT_EQ(site->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&handler)), S_OK);

    // One identity: the handler's own queries and counting go to the site.
    IUnknown* viaHandler = nullptr;
    ASSERT_EQ(handler->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaHandler)), S_OK);
    IUnknown* viaSite = nullptr;
    ASSERT_EQ(site->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaSite)), S_OK);
    EXPECT_EQ(viaHandler, viaSite);
    viaHandler->Release();
    viaSite->Release();

    POINT point{10, 10};
    EXPECT_EQ(handler->ShowContextMenu(0, &point, nullptr, nullptr), S_OK);  // no menu
    DOCHOSTUIINFO info{};
    info.cbSize = sizeof(info);
    info.dwFlags = DOCHOSTUIFLAG_DIALOG;
    EXPECT_EQ(handler->GetHostInfo(&info), S_OK);
    EXPECT_EQ(info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_DIALOG | DOCHOSTUIFLAG_NO3DBORDER));
    EXPECT_EQ(handler->UpdateUI(), S_OK);
    MSG msg{};
    EXPECT_EQ(handler->TranslateAccelerator(&msg, nullptr, 0), S_FALSE);
    EXPECT_EQ(handler->EnableModeless(TRUE), E_NOTIMPL);
    IDropTarget* drop = nullptr;
    EXPECT_EQ(handler->GetDropTarget(nullptr, &drop), E_NOTIMPL);

    const ULONG refsBefore = manager.ScriptObject().RefCount();
    IDispatch* external = nullptr;
    ASSERT_EQ(handler->GetExternal(&external), S_OK);
    EXPECT_EQ(external, static_cast<IDispatch*>(&manager.ScriptObject()));
    EXPECT_EQ(manager.ScriptObject().RefCount(), refsBefore + 1);
    external->Release();

    handler->Release();
    site->Release();  // the last reference frees the site
}

// What a page sees of window.external: "xxyyzz" reads "Wibble"; no other name is known.
TEST(BrowserHost, ScriptObjectKnowsOnlyItsOneName) {
    CScriptObject script;
    IDispatch& object = script;
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"xxyyzz");
    ASSERT_EQ(object.GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
    EXPECT_EQ(id, 12345);
    for (const wchar_t* other : {L"xx", L"xxyyzzz", L"XXYYZZ", L"xxq"}) {
        name = const_cast<LPOLESTR>(other);
        EXPECT_EQ(object.GetIDsOfNames(IID_NULL, &name, 1, 0, &id), DISP_E_UNKNOWNNAME);
        EXPECT_EQ(id, DISPID_UNKNOWN);
    }

    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    ::VariantInit(&result);
    ASSERT_EQ(object.Invoke(12345, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
              S_OK);
    ASSERT_EQ(result.vt, VT_BSTR);
    EXPECT_STREQ(result.bstrVal, L"Wibble");
    ::VariantClear(&result);
    EXPECT_EQ(object.Invoke(7, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr), S_OK);
    EXPECT_EQ(result.vt, VT_EMPTY);

    IUnknown* other = nullptr;
    EXPECT_EQ(object.QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&other)), E_NOINTERFACE);
    EXPECT_EQ(object.GetTypeInfoCount(nullptr), E_NOTIMPL);
}

}  // namespace
