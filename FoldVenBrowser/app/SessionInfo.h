#pragma once

#include <cstdint>
#include <string>

// The logged-in account: filled by Login from the user's input and then from the login reply.
struct CSessionInfo {
    // Fills the record from the body of a successful login reply (after its two envelope fields); a body
    // shorter than 20 bytes changes nothing.
    void ParseLoginReply(const std::string& replyBody);

    std::string userId;
    std::string password;
    std::string text2;
    std::string text3;
    std::string informKey;
    std::int64_t packetBalance = 0;
    std::int32_t flatRate = 0;
    char adultFlag = 0;
    std::string apiHost;
    std::string listKey;
    std::string flatRateUntil;
};
