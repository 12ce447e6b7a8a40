#pragma once

#include <mutex>
#include <string>
#include <vector>

// What the faults that match one request do to its reply. Several faults may match; their effects add.
struct CDelivery {
    int delayMs = 0;
    bool closeBefore = false;
    bool closeDuring = false;
    bool splitHeader = false;
    bool noLength = false;
    bool stall = false;
    bool truncateBody = false;
    int chunkBytes = 0;    // 0: one write
    int chunkPauseMs = 0;  // between chunked writes; 0: the usual 2 ms
    int status = 0;        // 0: the page's own status
    bool fReply = false;
    int fCode = 0;
};

// The faults selected at run time through /_control/fault. Thread-safe.
class CFaultPlan {
public:
    // `count` < 0: every matching request from now on. False with `error` set for a bad kind or argument.
    bool Add(const std::string& prefix, const std::string& kind, const std::string& arg, int count,
             std::string& error);
    // The effects for a request whose path and query is `target`; uses up one count of each match.
    CDelivery Take(const std::string& target);
    void Reset();

private:
    struct CFault {
        std::string prefix;
        std::string kind;
        long long arg = 0;
        int remaining = -1;
    };

    std::mutex m_mutex;
    std::vector<CFault> m_faults;
};
