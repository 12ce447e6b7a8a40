#pragma once

#include <cstdint>
#include <string>

// The size a finished download must have to count as complete: the reply's Content-Length when it has
// one (`contentLength`, the header's text; empty when the reply has none), else the size the update list
// gives. The reply's own length wins when both exist: it describes the bytes actually on their way,
// while the list may have been made before the file changed. A length that is no number gives -1,
// which no transfer matches.
std::int64_t ExpectedTransferSize(const std::string& contentLength, std::int64_t listedSize);

// A local date and time to the minute.
struct CDateStamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// Reads a version text of the form YYYYMMDDhhmm, twelve digits naming a real date and time: the version
// that files without a version resource carry. False for any other text.
bool ParseDateStamp(const std::string& version, CDateStamp& stamp);
