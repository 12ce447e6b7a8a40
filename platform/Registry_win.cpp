#include <windows.h>

#include <vector>

#include "platform/Registry.h"

namespace {

HKEY RootKey(IRegistry::Root root) {
    return root == IRegistry::Root::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// Owns an open key so that every path closes it.
class CKey {
public:
    CKey(IRegistry::Root root, const std::string& path, REGSAM access) {
        if (RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                            &m_key, nullptr) != ERROR_SUCCESS) {
            m_key = nullptr;
        }
    }
    ~CKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    CKey(const CKey&) = delete;
    CKey& operator=(const CKey&) = delete;
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

class CWin32Registry : public IRegistry {
public:
    std::uint32_t ReadDword(Root root, const std::string& key, const std::string& name,
                            std::uint32_t fallback) override {
        CKey k(root, key, KEY_READ);
        if (!k.get())
            return 0;
        DWORD value = 0, type = 0, size = sizeof(value);
        if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
                ERROR_SUCCESS ||
            size != sizeof(value)) {
            return fallback;
        }
        return value;
    }

    std::string ReadString(Root root, const std::string& key, const std::string& name, std::size_t capacity,
                           const std::string& fallback) override {
        CKey k(root, key, KEY_READ);
        if (!k.get())
            return fallback;
        std::vector<char> buffer(capacity + 1, '\0');
        DWORD type = 0, size = static_cast<DWORD>(capacity);
        if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                             &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return fallback;
        }
        // A value stored without its terminator still ends inside the buffer's spare byte.
        return std::string(buffer.data());
    }

    bool WriteDword(Root root, const std::string& key, const std::string& name,
                    std::uint32_t value) override {
        CKey k(root, key, KEY_WRITE);
        if (!k.get())
            return false;
        DWORD v = value;
        return RegSetValueExA(k.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v),
                              sizeof(v)) == ERROR_SUCCESS;
    }

    bool WriteString(Root root, const std::string& key, const std::string& name,
                     const std::string& value) override {
        CKey k(root, key, KEY_WRITE);
        if (!k.get())
            return false;
        return RegSetValueExA(k.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }

    bool ReadBinary(Root root, const std::string& key, const std::string& name, std::size_t capacity,
                    std::string& bytes) override {
        CKey k(root, key, KEY_READ);
        if (!k.get())
            return false;
        std::vector<char> buffer(capacity);
        DWORD type = 0, size = static_cast<DWORD>(capacity);
        if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                             &size) != ERROR_SUCCESS ||
            type != REG_BINARY) {
            return false;
        }
        bytes.assign(buffer.data(), size);
        return true;
    }

    bool WriteBinary(Root root, const std::string& key, const std::string& name,
                     const std::string& bytes) override {
        CKey k(root, key, KEY_WRITE);
        if (!k.get())
            return false;
        return RegSetValueExA(k.get(), name.c_str(), 0, REG_BINARY,
                              reinterpret_cast<const BYTE*>(bytes.data()),
                              static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    }
};

}  // namespace

IRegistry& SystemRegistry() {
    static CWin32Registry registry;
    return registry;
}
