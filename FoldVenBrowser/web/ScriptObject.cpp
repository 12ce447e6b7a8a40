#include "FoldVenBrowser/web/ScriptObject.h"

#include <cwchar>

HRESULT CScriptObject::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IUnknown)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

// Only the exact name matches: a page cannot reach the property by a name that merely starts alike.
HRESULT CScriptObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids)
        return E_POINTER;
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        const bool known = i == 0 && names[i] && std::wcscmp(names[i], L"xxyyzz") == 0;
        ids[i] = known ? kWibbleId : DISPID_UNKNOWN;
        if (!known)
            result = DISP_E_UNKNOWNNAME;
    }
    return result;
}

HRESULT CScriptObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                              UINT*) {
    if (id == kWibbleId && (flags & DISPATCH_PROPERTYGET) && result) {
        ::VariantInit(result);
        result->vt = VT_BSTR;
        result->bstrVal = ::SysAllocString(L"Wibble");
    }
    return S_OK;
}
