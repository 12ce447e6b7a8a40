#pragma once

#include <cstdint>
#include <string>

// The files chosen for one hand-off, as the downloader reads them: items "id#<name" joined by "#>".
class CDownloadList {
public:
    void Clear() { m_text.clear(); }
    void Add(const std::string& id, const std::string& name);
    const std::string& Text() const { return m_text; }
    bool Empty() const { return m_text.empty(); }

private:
    std::string m_text;
};

// One record of the list file, laid out as the copy-data record the same list would travel in: 7, the
// text's length with its terminating zero, the sender's address of the text (meaningless to the reader),
// then the text and a zero byte. Numbers are 32-bit little-endian.
std::string MakeListFileRecord(const std::string& text, std::uint32_t address);

// "bbs <id> <password> <list file>": ID and password as they are, every blank of the path as "[[SPACE]]"
// so that the path stays one argument.
std::string DownloaderCommandLine(const std::string& userId, const std::string& password,
                                  const std::string& listFilePath);
