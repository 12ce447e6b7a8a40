#include "FoldVenBrowser/ui/MemoBox.h"

#include <windows.h>

#include <exdisp.h>
#include <oleauto.h>

#include <vector>

void OpenInNewBrowserWindow(const std::string& address) {
    IWebBrowser2* browser = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2,
                                  reinterpret_cast<void**>(&browser))) ||
        !browser)
        return;
    browser->put_Height(545);
    browser->put_Width(779);
    browser->put_AddressBar(VARIANT_FALSE);
    browser->put_MenuBar(VARIANT_FALSE);
    browser->put_Resizable(VARIANT_FALSE);
    browser->put_StatusBar(VARIANT_FALSE);
    browser->put_ToolBar(FALSE);
    browser->put_Visible(VARIANT_TRUE);

    const int length = ::MultiByteToWideChar(CP_ACP, 0, address.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1);
    ::MultiByteToWideChar(CP_ACP, 0, address.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    VARIANT url;
    ::VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = ::SysAllocString(wide.data());
    VARIANT empty;
    ::VariantInit(&empty);
    browser->Navigate2(&url, &empty, &empty, &empty, &empty);
    ::VariantClear(&url);

    SHANDLE_PTR window = 0;
    if (SUCCEEDED(browser->get_HWND(&window)) && window)
        ::SetForegroundWindow(reinterpret_cast<HWND>(window));
    browser->Release();
}
