#pragma once

#include <string>
#include <vector>

#include "tools/devservice/Account.h"

// The sample accounts, read from a "|"-separated UTF-8 table (see data/accounts.txt).
class CAccountStore {
public:
    bool Load(const std::string& file, std::string& error);
    bool LoadText(const std::vector<std::string>& lines, std::string& error);
    const CAccount* Find(const std::string& id) const;  // exact, case-sensitive
    // Whether `key` is the list key of an account that is not blocked.
    bool IsListKey(const std::string& key) const;

private:
    std::vector<CAccount> m_accounts;
};
