#include "FoldVenBrowser/ui/BoundedDownload.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/LoopbackServer.h"

namespace {

std::string TempFile(const char* name) {
    char folder[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(BoundedDownload, ArrivesWholeOrLeavesTheOldFileWhenTheServerHangs) {
    const std::string file = TempFile("fv-bounded-ver.ini");
    std::ofstream(file, std::ios::binary) << "old";

    LoopbackServer answering(LoopbackServer::Answer(HttpReply("2.3.1.2")));
    EXPECT_TRUE(DownloadWithinLimit("http://" + answering.HostSpec() + "/rivi/ver.ini", file, 10000));
    EXPECT_EQ(Read(file), "2.3.1.2");

    // Headers, then nothing: the limit ends the wait and the file keeps what it had.
    LoopbackServer hanging([](LoopbackConnection& c) {
        c.ReadRequest();
        c.Write("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n2.3");
        c.Stall();
    });
    EXPECT_FALSE(DownloadWithinLimit("http://" + hanging.HostSpec() + "/rivi/ver.ini", file, 1500));
    EXPECT_EQ(Read(file), "2.3.1.2");
    ::DeleteFileA(file.c_str());
}

}  // namespace
