#include "tools/devservice/UpdateFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "tools/devservice/PeVersion.h"

namespace {

void Put16(std::string& s, size_t at, unsigned v) {
    s[at] = static_cast<char>(v & 0xFF);
    s[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, size_t at, unsigned v) {
    Put16(s, at, v & 0xFFFF);
    Put16(s, at + 2, v >> 16);
}

std::string Utf16(const std::string& ascii) {
    std::string out;
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out + std::string(2, '\0');
}

// A version-information node with its key, value and children, padded as the resource compiler does.
std::string Node(const std::string& key, const std::string& value, bool text,
                 const std::string& children = "") {
    std::string node(6, '\0');
    node += Utf16(key);
    node.resize((node.size() + 3) & ~size_t(3), '\0');
    node += value;
    if (!children.empty()) {
        node.resize((node.size() + 3) & ~size_t(3), '\0');
        node += children;
    }
    Put16(node, 0, static_cast<unsigned>(node.size()));
    Put16(node, 2, static_cast<unsigned>(text ? value.size() / 2 : value.size()));
    Put16(node, 4, text ? 1 : 0);
    node.resize((node.size() + 3) & ~size_t(3), '\0');
    return node;
}

std::string VersionInfo(const std::string& table, const std::string& fileVersion, bool withTranslation) {
    std::string fixed(52, '\0');
    Put32(fixed, 0, 0xFEEF04BD);
    std::string strings = Node(table, "", true, Node("FileVersion", Utf16(fileVersion), true));
    std::string children = Node("StringFileInfo", "", true, strings);
    if (withTranslation) {
        std::string translation(4, '\0');
        Put16(translation, 0, 0x0412);
        Put16(translation, 2, 949);
        children += Node("VarFileInfo", "", true, Node("Translation", translation, false));
    }
    return Node("VS_VERSION_INFO", fixed, false, children);
}

// A minimal PE32+ image whose one section holds the resource tree: RT_VERSION / 1 / 0x412.
std::string PeImage(const std::string& versionInfo) {
    const size_t opt = 0x40 + 4 + 20;
    const size_t sectionTable = opt + 240;
    std::string image(0x200, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    Put32(image, 0x3C, 0x40);
    image.replace(0x40, 4, std::string("PE\0\0", 4));
    Put16(image, 0x44, 0x8664);
    Put16(image, 0x46, 1);
    Put16(image, 0x44 + 16, 240);
    Put16(image, opt, 0x20B);
    Put32(image, opt + 108, 16);
    std::string rsrc(0x58, '\0');
    Put16(rsrc, 0x0E, 1);
    Put32(rsrc, 0x10, 16);
    Put32(rsrc, 0x14, 0x80000018);
    Put16(rsrc, 0x18 + 0x0E, 1);
    Put32(rsrc, 0x28, 1);
    Put32(rsrc, 0x2C, 0x80000030);
    Put16(rsrc, 0x30 + 0x0E, 1);
    Put32(rsrc, 0x40, 0x412);
    Put32(rsrc, 0x44, 0x48);
    Put32(rsrc, 0x48, 0x1000 + 0x58);
    Put32(rsrc, 0x4C, static_cast<unsigned>(versionInfo.size()));
    rsrc += versionInfo;
    Put32(image, opt + 112 + 2 * 8, 0x1000);
    Put32(image, opt + 112 + 2 * 8 + 4, static_cast<unsigned>(rsrc.size()));
    image.replace(sectionTable, 5, ".rsrc");
    Put32(image, sectionTable + 8, static_cast<unsigned>(rsrc.size()));
    Put32(image, sectionTable + 12, 0x1000);
    Put32(image, sectionTable + 16, static_cast<unsigned>(rsrc.size()));
    Put32(image, sectionTable + 20, 0x200);
    return image + rsrc;
}

TEST(DevServicePeVersion, ReadsTheStringOfTheFirstTranslation) {
    std::string version;
    ASSERT_TRUE(CPeVersion::ReadFileVersion(PeImage(VersionInfo("041203b5", "2, 3, 1, 2", true)), version));
    EXPECT_EQ("2, 3, 1, 2", version);
    EXPECT_FALSE(CPeVersion::ReadFileVersion(PeImage(VersionInfo("040904b0", "1.0", true)), version));
    EXPECT_FALSE(CPeVersion::ReadFileVersion(PeImage(VersionInfo("041203B5", "1.0", false)), version));
}

TEST(DevServicePeVersion, DamagedImagesAreRefusedNotCrashedOn) {
    std::string good = PeImage(VersionInfo("041203B5", "9.9", true));
    std::string version;
    for (size_t cut = 0; cut < good.size(); cut += 7) {
        CPeVersion::ReadFileVersion(good.substr(0, cut), version);
    }
    for (size_t at :
         {size_t(0x3C), size_t(0x46), size_t(0x200 + 0x14), size_t(0x200 + 0x4C), size_t(0x200 + 0x58)}) {
        std::string bad = good;
        Put32(bad, at, 0xFFFFFFF0);
        CPeVersion::ReadFileVersion(bad, version);
    }
    EXPECT_FALSE(CPeVersion::ReadFileVersion("MZ", version));
}

class DevServiceUpdateFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/fv_devservice_XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        m_dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(m_dir + "/" + name, std::ios::binary) << bytes;
    }
    std::string m_dir;
};

TEST_F(DevServiceUpdateFolder, ListsFoldersThenFilesWithVersionsAndSizes) {
    EXPECT_EQ("Not Exist", CUpdateFolder(m_dir).FileList());
    EXPECT_EQ("Not Exist", CUpdateFolder(m_dir + "/missing").FileList());
    EXPECT_EQ("Not Exist", CUpdateFolder("").FileList());

    std::string exe = PeImage(VersionInfo("041203b5", "1, 0, 0, 7", true));
    Write("VenUpdater.exe", exe);
    ASSERT_EQ(0, mkdir((m_dir + "/skin").c_str(), 0755));
    Write("skin/icon249.ico", "12345");
    Write("a@b.txt", "the list cannot carry this name");
    std::string stamp = CUpdateFolder::VersionOf(m_dir + "/skin/icon249.ico");
    ASSERT_EQ(12u, stamp.size());
    EXPECT_EQ("skin@VenUpdater.exe\t1, 0, 0, 7\t" + std::to_string(exe.size()) + "\tskin/icon249.ico\t" +
                  stamp + "\t5",
              CUpdateFolder(m_dir).FileList());
}

TEST_F(DevServiceUpdateFolder, ResolvesOnlyFilesInsideTheFolder) {
    Write("a.dll", "x");
    std::string path;
    EXPECT_TRUE(CUpdateFolder(m_dir).Resolve("a.dll", path));
    EXPECT_EQ(m_dir + "/a.dll", path);
    EXPECT_FALSE(CUpdateFolder(m_dir).Resolve("../a.dll", path));
    EXPECT_FALSE(CUpdateFolder(m_dir).Resolve("x/../../etc/passwd", path));
    EXPECT_FALSE(CUpdateFolder(m_dir).Resolve("/etc/passwd", path));
    EXPECT_FALSE(CUpdateFolder(m_dir).Resolve("missing.dll", path));
    EXPECT_FALSE(CUpdateFolder("").Resolve("a.dll", path));
}

}  // namespace
