#include "tools/devservice/PeVersion.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tools/devservice/Charset.h"
#include "tools/devservice/TextUtil.h"

namespace {

constexpr std::uint32_t kRtVersion = 16;
constexpr size_t kMaxVersionBytes = 254;

// Bounds-checked little-endian reads; out-of-range reads give 0 and clear `ok`.
class CReader {
public:
    CReader(const std::string& bytes) : m_bytes(bytes) {}
    std::uint32_t U16(size_t at) { return Read(at, 2); }
    std::uint32_t U32(size_t at) { return Read(at, 4); }
    bool m_ok = true;

private:
    std::uint32_t Read(size_t at, size_t n) {
        if (at > m_bytes.size() || m_bytes.size() - at < n) {
            m_ok = false;
            return 0;
        }
        std::uint32_t value = 0;
        for (size_t i = 0; i < n; ++i) {
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[at + i])) << (8 * i);
        }
        return value;
    }
    const std::string& m_bytes;
};

// One node of the version-information tree: wLength, wValueLength, wType, a UTF-16 key, padding, the
// value, padding, the children.
struct CNode {
    size_t begin = 0;
    size_t end = 0;
    size_t valueBegin = 0;
    size_t valueEnd = 0;
    size_t childrenBegin = 0;
    std::string key;  // ASCII part of the key
};

size_t Align4(size_t at) {
    return (at + 3) & ~static_cast<size_t>(3);
}

bool ReadNode(const std::string& block, size_t at, size_t limit, CNode& node) {
    CReader r(block);
    std::uint32_t length = r.U16(at);
    std::uint32_t valueLength = r.U16(at + 2);
    std::uint32_t type = r.U16(at + 4);
    if (!r.m_ok || length < 6 || at + length > limit) {
        return false;
    }
    node.begin = at;
    node.end = at + length;
    node.key.clear();
    size_t p = at + 6;
    while (p + 1 < node.end) {
        std::uint32_t c = r.U16(p);
        p += 2;
        if (c == 0) {
            break;
        }
        node.key += c < 0x80 ? static_cast<char>(c) : '?';
    }
    node.valueBegin = std::min(Align4(p), node.end);
    size_t valueBytes = type == 1 ? valueLength * 2 : valueLength;
    node.valueEnd = std::min(node.valueBegin + valueBytes, node.end);
    node.childrenBegin = std::min(Align4(node.valueEnd), node.end);
    return true;
}

std::vector<CNode> Children(const std::string& block, const CNode& parent) {
    std::vector<CNode> children;
    size_t at = parent.childrenBegin;
    CNode child;
    while (at + 6 <= parent.end && ReadNode(block, at, parent.end, child)) {
        children.push_back(child);
        at = Align4(child.end);
    }
    return children;
}

}  // namespace

bool CPeVersion::ReadFileVersion(const std::string& image, std::string& version) {
    size_t offset = 0;
    size_t size = 0;
    return FindVersionResource(image, offset, size) && ReadVersionInfo(image.substr(offset, size), version);
}

bool CPeVersion::FindVersionResource(const std::string& image, size_t& offset, size_t& size) {
    CReader r(image);
    if (image.compare(0, 2, "MZ") != 0) {
        return false;
    }
    size_t pe = r.U32(0x3C);
    if (!r.m_ok || pe > image.size() || image.compare(pe, 4, std::string("PE\0\0", 4)) != 0) {
        return false;
    }
    size_t coff = pe + 4;
    std::uint32_t sections = r.U16(coff + 2);
    std::uint32_t optionalSize = r.U16(coff + 16);
    size_t opt = coff + 20;
    std::uint32_t magic = r.U16(opt);
    size_t dirs = magic == 0x20B ? opt + 112 : opt + 96;
    std::uint32_t dirCount = r.U32(dirs - 4);
    if (!r.m_ok || (magic != 0x10B && magic != 0x20B) || dirCount < 3) {
        return false;
    }
    std::uint32_t resourceRva = r.U32(dirs + 2 * 8);

    auto rvaToOffset = [&](std::uint32_t rva, size_t& out) {
        size_t table = opt + optionalSize;
        for (std::uint32_t i = 0; i < sections; ++i) {
            size_t s = table + i * 40;
            std::uint32_t va = r.U32(s + 12);
            std::uint32_t span = std::max(r.U32(s + 8), r.U32(s + 16));
            if (r.m_ok && rva >= va && rva - va < span) {
                out = r.U32(s + 20) + (rva - va);
                return r.m_ok && out < image.size();
            }
        }
        return false;
    };
    size_t root = 0;
    if (resourceRva == 0 || !rvaToOffset(resourceRva, root)) {
        return false;
    }
    // Three directory levels: type, name, language; the first entry of the type RT_VERSION below.
    auto findEntry = [&](size_t dir, bool anyId, std::uint32_t id, std::uint32_t& target) {
        std::uint32_t named = r.U16(dir + 12);
        std::uint32_t ids = r.U16(dir + 14);
        for (std::uint32_t i = 0; i < named + ids && i < 4096; ++i) {
            size_t e = dir + 16 + i * 8;
            std::uint32_t name = r.U32(e);
            if (anyId || (i >= named && name == id)) {
                target = r.U32(e + 4);
                return r.m_ok;
            }
        }
        return false;
    };
    std::uint32_t entry = 0;
    if (!findEntry(root, false, kRtVersion, entry) || !(entry & 0x80000000u) ||
        !findEntry(root + (entry & 0x7FFFFFFFu), true, 0, entry) || !(entry & 0x80000000u) ||
        !findEntry(root + (entry & 0x7FFFFFFFu), true, 0, entry) || (entry & 0x80000000u)) {
        return false;
    }
    size_t data = root + entry;
    std::uint32_t dataRva = r.U32(data);
    size = r.U32(data + 4);
    return r.m_ok && rvaToOffset(dataRva, offset) && size <= image.size() - offset;
}

bool CPeVersion::ReadVersionInfo(const std::string& block, std::string& version) {
    CNode root;
    if (!ReadNode(block, 0, block.size(), root) || root.key != "VS_VERSION_INFO") {
        return false;
    }
    std::vector<CNode> top = Children(block, root);
    std::string table;
    for (const CNode& node : top) {
        if (node.key != "VarFileInfo") {
            continue;
        }
        for (const CNode& var : Children(block, node)) {
            CReader r(block);
            std::uint32_t lang = r.U16(var.valueBegin);
            std::uint32_t codePage = r.U16(var.valueBegin + 2);
            if (var.key == "Translation" && var.valueEnd - var.valueBegin >= 4 && r.m_ok) {
                char name[16];
                std::snprintf(name, sizeof name, "%04X%04X", lang, codePage);
                table = name;
                break;
            }
        }
    }
    if (table.empty()) {
        return false;
    }
    for (const CNode& node : top) {
        if (node.key != "StringFileInfo") {
            continue;
        }
        for (const CNode& strings : Children(block, node)) {
            if (!CTextUtil::EqualsNoCase(strings.key, table)) {
                continue;
            }
            for (const CNode& value : Children(block, strings)) {
                if (value.key != "FileVersion") {
                    continue;
                }
                std::string utf16;
                for (size_t p = value.valueBegin; p + 1 < value.end; p += 2) {
                    if (block[p] == 0 && block[p + 1] == 0) {
                        break;
                    }
                    utf16.append(block, p, 2);
                }
                version = CCharset::Utf16leToCp949(utf16).substr(0, kMaxVersionBytes);
                return true;
            }
        }
    }
    return false;
}
