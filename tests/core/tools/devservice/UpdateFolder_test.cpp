#include "tools/devservice/UpdateFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace {

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

// Program versions in the list are read from real images by the updater's end-to-end tests.
TEST_F(DevServiceUpdateFolder, ListsFoldersThenFilesAndSkipsNamesTheListCannotCarry) {
    EXPECT_EQ("Not Exist", CUpdateFolder(m_dir).FileList());
    EXPECT_EQ("Not Exist", CUpdateFolder(m_dir + "/missing").FileList());
    EXPECT_EQ("Not Exist", CUpdateFolder("").FileList());

    ASSERT_EQ(0, mkdir((m_dir + "/skin").c_str(), 0755));
    Write("skin/icon249.ico", "12345");
    Write("a@b.txt", "the list cannot carry this name");
    std::string stamp = CUpdateFolder::VersionOf(m_dir + "/skin/icon249.ico");
    ASSERT_EQ(12u, stamp.size());
    EXPECT_EQ("skin@skin/icon249.ico\t" + stamp + "\t5", CUpdateFolder(m_dir).FileList());
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
