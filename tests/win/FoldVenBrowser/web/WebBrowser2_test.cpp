#include "FoldVenBrowser/web/WebBrowser2.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// An in-place object that takes Tab and records what it was given, as the browser control's does.
class FakeActiveObject : public IOleInPlaceActiveObject {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceActiveObject) {
            *out = static_cast<IOleInPlaceActiveObject*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE GetWindow(HWND*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg) override {
        given.push_back(msg->message);
        return msg->wParam == VK_TAB ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }

    ULONG references = 1;
    std::vector<UINT> given;
};

TEST(WebBrowser2, KeyMessagesGoToTheControlWhichMayTakeThem) {
    FakeActiveObject control;
    MSG tab{nullptr, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    MSG letter{nullptr, WM_CHAR, 'a', 0, 0, {}};
    MSG click{nullptr, WM_LBUTTONDOWN, 0, 0, 0, {}};
    EXPECT_TRUE(CWebBrowser2::TranslateKeyFor(&control, tab));
    EXPECT_FALSE(CWebBrowser2::TranslateKeyFor(&control, letter));
    EXPECT_FALSE(CWebBrowser2::TranslateKeyFor(&control, click));
    EXPECT_FALSE(CWebBrowser2::TranslateKeyFor(nullptr, tab));
    EXPECT_EQ(control.given, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR}));
    EXPECT_EQ(control.references, 1u);
}

}  // namespace
