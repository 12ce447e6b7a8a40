#pragma once

#include <cstdint>
#include <string>

// The registry primitives the settings use. Each opens its key with create semantics and closes it
// again on every path; Windows backs it with the real registry, tests with a map.
class IRegistry {
public:
    enum class Root { CurrentUser, LocalMachine };

    virtual ~IRegistry() = default;
    // 0 when the key cannot be opened, `fallback` when the value cannot be read.
    virtual std::uint32_t ReadDword(Root root, const std::string& key, const std::string& name,
                                    std::uint32_t fallback) = 0;
    // A value that does not fit in `capacity` bytes (terminator included), or is no string, reads as
    // `fallback`.
    virtual std::string ReadString(Root root, const std::string& key, const std::string& name,
                                   std::size_t capacity, const std::string& fallback) = 0;
    virtual bool WriteDword(Root root, const std::string& key, const std::string& name,
                            std::uint32_t value) = 0;
    virtual bool WriteString(Root root, const std::string& key, const std::string& name,
                             const std::string& value) = 0;
    // The bytes of a binary value (REG_BINARY); false when there is none, the value has another type or
    // it is longer than `capacity` bytes.
    virtual bool ReadBinary(Root root, const std::string& key, const std::string& name, std::size_t capacity,
                            std::string& bytes) = 0;
    virtual bool WriteBinary(Root root, const std::string& key, const std::string& name,
                             const std::string& bytes) = 0;
};

// The process's registry: the Win32 one in the programs.
IRegistry& SystemRegistry();
