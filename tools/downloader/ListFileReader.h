#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Follows the browser's list file as records are appended to it: each call hands back the texts of the
// records completed since the previous call. A record cut short at the end waits for its rest; a file
// that shrank was replaced and is read from its start again.
class CListFileReader {
public:
    static constexpr std::size_t kMaxText = 1 << 20;

    std::vector<std::string> Take(const std::string& fileBytes);
    // A record that is not one (kind other than 7, no closing zero, absurd length) stops the reading.
    bool Broken() const { return m_broken; }

private:
    std::size_t m_offset = 0;
    bool m_broken = false;
};

// The text of one copy-data record's payload: up to the first zero byte within `size` bytes.
std::string CopyDataText(const char* data, std::size_t size);

// The items of a list text: "id#<name" joined by "#>". An item without "#<" is all id.
struct CDownloadItem {
    std::string id;
    std::string name;
};
std::vector<CDownloadItem> SplitDownloadItems(const std::string& text);
