#include <windows.h>

#include <dpapi.h>
#include <wincrypt.h>

#include "platform/DataProtection.h"

namespace {

// Ties the blobs to this program's use, so that another program's protected data is not taken for ours.
const std::string kEntropy = "FoldVen saved password";

DATA_BLOB BlobOf(const std::string& bytes) {
    DATA_BLOB blob{};
    blob.cbData = static_cast<DWORD>(bytes.size());
    blob.pbData = reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data()));
    return blob;
}

// Takes the system's output and frees it, wiping a plain text first.
std::string Take(DATA_BLOB& out, bool secret) {
    std::string bytes(reinterpret_cast<const char*>(out.pbData), out.cbData);
    if (secret)
        ::SecureZeroMemory(out.pbData, out.cbData);
    ::LocalFree(out.pbData);
    return bytes;
}

class CDpapiProtection : public IDataProtection {
public:
    bool Protect(const std::string& plain, std::string& blob) override {
        DATA_BLOB in = BlobOf(plain);
        DATA_BLOB entropy = BlobOf(kEntropy);
        DATA_BLOB out{};
        if (!::CryptProtectData(&in, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
            return false;
        blob = Take(out, false);
        return true;
    }

    bool Unprotect(const std::string& blob, std::string& plain) override {
        if (blob.empty())
            return false;
        DATA_BLOB in = BlobOf(blob);
        DATA_BLOB entropy = BlobOf(kEntropy);
        DATA_BLOB out{};
        if (!::CryptUnprotectData(&in, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &out))
            return false;
        plain = Take(out, true);
        return true;
    }
};

}  // namespace

IDataProtection& SystemDataProtection() {
    static CDpapiProtection protection;
    return protection;
}
