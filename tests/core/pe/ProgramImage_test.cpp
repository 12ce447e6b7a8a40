#include "pe/ProgramImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>

#include <unistd.h>

namespace {

void Put(std::string& bytes, std::size_t at, std::uint32_t value, unsigned length) {
    for (unsigned i = 0; i < length; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A small PE32+ image as a linker lays it out: headers in the first 0x200 bytes, two sections of 0x200
// bytes, a certificate table and a COFF symbol table with its string table at the end.
struct CTestImage {
    static constexpr std::size_t kPe = 0x80;
    static constexpr std::size_t kOptional = kPe + 24;
    static constexpr std::size_t kSections = kOptional + 240;
    static constexpr std::size_t kCertificate = 0x600;
    static constexpr std::size_t kSymbols = 0x640;

    std::string bytes = std::string(kSymbols + 2 * 18 + 8, '\x90');

    CTestImage() {
        std::fill(bytes.begin(), bytes.begin() + 0x200, '\0');
        bytes.replace(0, 2, "MZ");
        Put(bytes, 0x3C, kPe, 4);
        bytes.replace(kPe, 4, std::string("PE\0\0", 4));
        Put(bytes, kPe + 4, 0x8664, 2);
        Put(bytes, kPe + 6, 2, 2);             // sections
        Put(bytes, kPe + 12, kSymbols, 4);     // symbol table
        Put(bytes, kPe + 16, 2, 4);            // symbols
        Put(bytes, kPe + 20, 240, 2);          // optional header size
        Put(bytes, kOptional, 0x20B, 2);       // PE32+
        Put(bytes, kOptional + 60, 0x200, 4);  // size of headers
        Put(bytes, kOptional + 108, 16, 4);    // data directories
        Put(bytes, kOptional + 112 + 4 * 8, kCertificate, 4);
        Put(bytes, kOptional + 112 + 4 * 8 + 4, 0x40, 4);
        for (std::size_t i = 0; i < 2; ++i) {
            const std::size_t header = kSections + 40 * i;
            bytes.replace(header, 5, i == 0 ? ".text" : ".data");
            Put(bytes, header + 16, 0x200, 4);
            Put(bytes, header + 20, 0x200 * (i + 1), 4);
        }
        Put(bytes, kSymbols + 2 * 18, 8, 4);  // string table: its length field and four bytes
    }
};

TEST(ProgramImageTest, AWholeImagePassesAndEveryCutOfItFails) {
    const std::string whole = CTestImage().bytes;
    EXPECT_TRUE(IsCompleteProgramImage(whole));
    for (std::size_t cut = 0; cut < whole.size(); ++cut)
        EXPECT_FALSE(IsCompleteProgramImage(whole.substr(0, cut))) << cut;
}

TEST(ProgramImageTest, HeadersThatPointOutsideTheFileFail) {
    auto damaged = [](std::size_t at, std::uint32_t value, unsigned length) {
        std::string bytes = CTestImage().bytes;
        Put(bytes, at, value, length);
        return IsCompleteProgramImage(bytes);
    };
    const std::size_t second = CTestImage::kSections + 40;
    EXPECT_FALSE(damaged(second + 16, 0x1000, 4));                      // section data past the end
    EXPECT_FALSE(damaged(second + 20, 0xFFFFFF00, 4));                  // offset that would wrap
    EXPECT_FALSE(damaged(CTestImage::kPe + 16, 0x10000, 4));            // symbol table past the end
    EXPECT_FALSE(damaged(CTestImage::kOptional + 60, 0x100000, 4));     // headers larger than the file
    EXPECT_FALSE(damaged(CTestImage::kOptional + 112 + 36, 0x100, 4));  // certificate table past the end
    EXPECT_FALSE(damaged(CTestImage::kOptional, 0x107, 2));             // neither PE32 nor PE32+
    EXPECT_FALSE(damaged(CTestImage::kPe + 6, 0, 2));                   // no section
    EXPECT_FALSE(damaged(0x3C, 0xFFFFFFF0, 4));                         // PE header past the end
    EXPECT_TRUE(damaged(CTestImage::kPe + 12, 0, 4));                   // no symbol table is fine
}

TEST(ProgramImageTest, OtherFilesAreNoProgramImages) {
    EXPECT_FALSE(IsCompleteProgramImage(""));
    EXPECT_FALSE(IsCompleteProgramImage("<html><body>404 Not Found</body></html>" + std::string(600, ' ')));
    std::string notPe = CTestImage().bytes;
    notPe[CTestImage::kPe] = 'N';  // an old DOS or NE program
    EXPECT_FALSE(IsCompleteProgramImage(notPe));
}

TEST(ProgramImageTest, FilesAreReadWholeAndProgramNamesKnownByExtension) {
    const std::string path = ::testing::TempDir() + "fv-image-" + std::to_string(::getpid()) + ".exe";
    std::ofstream(path, std::ios::binary) << CTestImage().bytes;
    EXPECT_TRUE(IsCompleteProgramFile(path));
    std::ofstream(path, std::ios::binary | std::ios::trunc) << CTestImage().bytes.substr(0, 0x500);
    EXPECT_FALSE(IsCompleteProgramFile(path));
    std::remove(path.c_str());
    EXPECT_FALSE(IsCompleteProgramFile(path));

    EXPECT_TRUE(IsProgramName("temp/VenUpdater.exe"));
    EXPECT_TRUE(IsProgramName("FoldVenBrowser.EXE"));
    EXPECT_FALSE(IsProgramName("readme.exe.txt"));
    EXPECT_FALSE(IsProgramName("exe"));
}

}  // namespace
