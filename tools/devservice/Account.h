#pragma once

#include <cstdint>
#include <string>

// One sample account; texts are CP949.
struct CAccount {
    std::string id;
    std::string password;
    std::string nickname;
    std::string grade;
    std::string informKey;
    std::int64_t balance = 0;
    int flatRate = 0;
    std::string flatRateUntil;
    char adult = 'N';
    std::string listKey;
    bool blocked = false;
};
