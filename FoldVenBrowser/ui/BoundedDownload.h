#pragma once

#include <string>

// Downloads `url` into `file` on a thread of its own while the calling user-interface thread keeps its
// windows alive, and gives up after `limitMs`. The download goes to a file of the thread's own first and
// replaces `file` only when it arrived within the limit, so a download given up on and finishing late
// never writes `file`. True when `file` now holds the download.
bool DownloadWithinLimit(const std::string& url, const std::string& file, unsigned limitMs);
