#include <windows.h>

#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

#include <vector>

#include "platform/ProgramSignature.h"

namespace {

std::wstring Wide(const std::string& path) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::vector<wchar_t> wide(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    return std::wstring(wide.data());
}

CProgramSignature::Trust TrustOf(LONG result) {
    switch (static_cast<HRESULT>(result)) {
        case S_OK:
            return CProgramSignature::Trust::Verified;
        case CERT_E_UNTRUSTEDROOT:
            return CProgramSignature::Trust::UntrustedRoot;
        case TRUST_E_NOSIGNATURE:
            return CProgramSignature::Trust::Unsigned;
        default:
            return CProgramSignature::Trust::Invalid;
    }
}

// The signer's certificate as the verification found it: the first certificate of the first signer's
// chain. Taken from the verification's own state, never from a second reading of the file.
std::string SignerOf(HANDLE state) {
    CRYPT_PROVIDER_DATA* data = ::WTHelperProvDataFromStateData(state);
    CRYPT_PROVIDER_SGNR* signer = data ? ::WTHelperGetProvSignerFromChain(data, 0, FALSE, 0) : nullptr;
    CRYPT_PROVIDER_CERT* cert = signer ? ::WTHelperGetProvCertFromChain(signer, 0) : nullptr;
    if (!cert || !cert->pCert || !cert->pCert->pbCertEncoded)
        return std::string();
    return std::string(reinterpret_cast<const char*>(cert->pCert->pbCertEncoded), cert->pCert->cbCertEncoded);
}

class CWinTrustReader : public ISignatureReader {
public:
    CProgramSignature Read(const std::string& path) override {
        CProgramSignature signature;
        const std::wstring wide = Wide(path);
        if (wide.empty())
            return signature;
        WINTRUST_FILE_INFO file{};
        file.cbStruct = sizeof(file);
        file.pcwszFilePath = wide.c_str();
        WINTRUST_DATA data{};
        data.cbStruct = sizeof(data);
        data.dwUIChoice = WTD_UI_NONE;
        data.fdwRevocationChecks = WTD_REVOKE_NONE;
        data.dwUnionChoice = WTD_CHOICE_FILE;
        data.pFile = &file;
        data.dwStateAction = WTD_STATEACTION_VERIFY;
        data.dwProvFlags = WTD_REVOCATION_CHECK_NONE | WTD_CACHE_ONLY_URL_RETRIEVAL;
        GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
        HWND noWindow = static_cast<HWND>(INVALID_HANDLE_VALUE);  // no UI at all
        signature.trust = TrustOf(::WinVerifyTrust(noWindow, &action, &data));
        if (signature.trust == CProgramSignature::Trust::Verified ||
            signature.trust == CProgramSignature::Trust::UntrustedRoot) {
            signature.signer = SignerOf(data.hWVTStateData);
            if (signature.signer.empty())
                signature.trust = CProgramSignature::Trust::Invalid;
        }
        data.dwStateAction = WTD_STATEACTION_CLOSE;
        ::WinVerifyTrust(noWindow, &action, &data);
        return signature;
    }
};

}  // namespace

ISignatureReader& SystemSignatureReader() {
    static CWinTrustReader reader;
    return reader;
}
