#pragma once

#include <windows.h>

#include <oaidl.h>

// The object pages reach as "window.external": one read-only property, "xxyyzz", whose value is the text
// "Wibble". Owned by the application; its reference count never frees it.
class CScriptObject : public IDispatch {
public:
    static constexpr DISPID kWibbleId = 12345;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return m_refs > 0 ? --m_refs : 0; }
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override;

    ULONG RefCount() const { return m_refs; }

private:
    ULONG m_refs = 0;
};
