#pragma once

#include <map>
#include <string>
#include <variant>

#include "platform/Registry.h"

// An in-memory registry that records what was written, with the type of each value.
class FakeRegistry : public IRegistry {
public:
    struct Binary {
        std::string bytes;
    };
    using Value = std::variant<std::uint32_t, std::string, Binary>;
    std::map<std::string, Value> values;  // "key\\name" -> value
    bool failWrites = false;

    static std::string Path(const std::string& key, const std::string& name) { return key + "\\" + name; }

    std::uint32_t ReadDword(Root, const std::string& key, const std::string& name,
                            std::uint32_t fallback) override {
        auto it = values.find(Path(key, name));
        if (it == values.end() || !std::holds_alternative<std::uint32_t>(it->second))
            return fallback;
        return std::get<std::uint32_t>(it->second);
    }
    std::string ReadString(Root, const std::string& key, const std::string& name, std::size_t capacity,
                           const std::string& fallback) override {
        auto it = values.find(Path(key, name));
        if (it == values.end() || !std::holds_alternative<std::string>(it->second))
            return fallback;
        const std::string& s = std::get<std::string>(it->second);
        return s.size() + 1 > capacity ? fallback : s;
    }
    bool WriteDword(Root, const std::string& key, const std::string& name, std::uint32_t value) override {
        if (failWrites)
            return false;
        values[Path(key, name)] = value;
        return true;
    }
    bool WriteString(Root, const std::string& key, const std::string& name,
                     const std::string& value) override {
        if (failWrites)
            return false;
        values[Path(key, name)] = value;
        return true;
    }
    bool ReadBinary(Root, const std::string& key, const std::string& name, std::size_t capacity,
                    std::string& bytes) override {
        auto it = values.find(Path(key, name));
        if (it == values.end() || !std::holds_alternative<Binary>(it->second) ||
            std::get<Binary>(it->second).bytes.size() > capacity)
            return false;
        bytes = std::get<Binary>(it->second).bytes;
        return true;
    }
    bool WriteBinary(Root, const std::string& key, const std::string& name,
                     const std::string& bytes) override {
        if (failWrites)
            return false;
        values[Path(key, name)] = Binary{bytes};
        return true;
    }
};
