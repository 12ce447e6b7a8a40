#include "pe/ProgramImage.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace {

constexpr std::uint64_t kDosHeaderSize = 0x40;
constexpr std::uint64_t kNewHeaderOffsetAt = 0x3C;
constexpr std::uint64_t kFileHeaderSize = 24;  // signature and COFF file header
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint64_t kSymbolSize = 18;
constexpr std::uint32_t kMaxSections = 96;
constexpr std::uint32_t kCertificateDirectory = 4;

// Little-endian reads that fail instead of reading past the end. Offsets are 64-bit so that sums of
// 32-bit header fields cannot wrap.
class CImageReader {
public:
    explicit CImageReader(const std::string& bytes) : m_bytes(bytes) {}

    std::uint64_t Size() const { return m_bytes.size(); }
    bool Contains(std::uint64_t at, std::uint64_t length) const {
        return at <= Size() && length <= Size() - at;
    }
    bool U16(std::uint64_t at, std::uint32_t& value) const { return Read(at, 2, value); }
    bool U32(std::uint64_t at, std::uint32_t& value) const { return Read(at, 4, value); }

private:
    bool Read(std::uint64_t at, unsigned length, std::uint32_t& value) const {
        if (!Contains(at, length))
            return false;
        value = 0;
        for (unsigned i = 0; i < length; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[at + i])) << (8 * i);
        return true;
    }

    const std::string& m_bytes;
};

// A block that the headers announce (offset and size in the file) must lie inside the file.
bool BlockInside(const CImageReader& image, std::uint32_t offset, std::uint32_t size) {
    return size == 0 || image.Contains(offset, size);
}

// The COFF symbol table and the string table behind it end the file when the linker keeps them.
bool SymbolsInside(const CImageReader& image, std::uint32_t symbolTable, std::uint32_t symbolCount) {
    if (symbolTable == 0)
        return true;
    const std::uint64_t strings = symbolTable + kSymbolSize * symbolCount;
    std::uint32_t stringsSize = 0;
    return image.U32(strings, stringsSize) && image.Contains(strings, stringsSize < 4 ? 4 : stringsSize);
}

}  // namespace

bool IsCompleteProgramImage(const std::string& bytes) {
    const CImageReader image(bytes);
    std::uint32_t newHeader = 0;
    if (image.Size() < kDosHeaderSize || bytes.compare(0, 2, "MZ") != 0 ||
        !image.U32(kNewHeaderOffsetAt, newHeader) || !image.Contains(newHeader, kFileHeaderSize) ||
        bytes.compare(newHeader, 4, std::string("PE\0\0", 4)) != 0)
        return false;

    std::uint32_t sectionCount = 0, symbolTable = 0, symbolCount = 0, optionalSize = 0, magic = 0;
    const std::uint64_t optional = newHeader + kFileHeaderSize;
    if (!image.U16(newHeader + 6, sectionCount) || !image.U32(newHeader + 12, symbolTable) ||
        !image.U32(newHeader + 16, symbolCount) || !image.U16(newHeader + 20, optionalSize) ||
        !image.Contains(optional, optionalSize) || !image.U16(optional, magic))
        return false;
    if (sectionCount == 0 || sectionCount > kMaxSections)
        return false;

    // PE32 and PE32+ differ in where the count of data directories and the directories lie.
    std::uint64_t directoryCountAt = 0;
    if (magic == 0x10B)
        directoryCountAt = 92;
    else if (magic == 0x20B)
        directoryCountAt = 108;
    else
        return false;
    std::uint32_t headersSize = 0, directoryCount = 0;
    if (optionalSize < directoryCountAt + 4 || !image.U32(optional + 60, headersSize) ||
        !image.U32(optional + directoryCountAt, directoryCount) || !image.Contains(0, headersSize))
        return false;
    const std::uint64_t directories = optional + directoryCountAt + 4;
    if (directoryCount > kCertificateDirectory) {
        // The certificate table is addressed by file offset and is not part of any section.
        std::uint32_t offset = 0, size = 0;
        const std::uint64_t entry = directories + 8 * kCertificateDirectory;
        if (entry + 8 > optional + optionalSize || !image.U32(entry, offset) || !image.U32(entry + 4, size) ||
            !BlockInside(image, offset, size))
            return false;
    }

    const std::uint64_t sections = optional + optionalSize;
    if (!image.Contains(sections, kSectionHeaderSize * sectionCount))
        return false;
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        const std::uint64_t header = sections + kSectionHeaderSize * i;
        std::uint32_t rawSize = 0, rawOffset = 0;
        if (!image.U32(header + 16, rawSize) || !image.U32(header + 20, rawOffset) ||
            !BlockInside(image, rawOffset, rawSize))
            return false;
    }
    return SymbolsInside(image, symbolTable, symbolCount);
}

bool IsCompleteProgramFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return !in.bad() && IsCompleteProgramImage(bytes);
}

bool IsProgramName(const std::string& name) {
    static const char kExtension[] = ".exe";
    constexpr std::size_t kLength = sizeof(kExtension) - 1;
    if (name.size() < kLength)
        return false;
    for (std::size_t i = 0; i < kLength; ++i) {
        char c = name[name.size() - kLength + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != kExtension[i])
            return false;
    }
    return true;
}
