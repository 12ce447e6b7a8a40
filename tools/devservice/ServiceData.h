#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tools/devservice/AccountStore.h"
#include "tools/devservice/Catalogue.h"

// Everything the service answers from its data folder: accounts, notices, the catalogue and the
// keywords the search refuses. Read once at start; read-only afterwards, so threads share it freely.
class CServiceData {
public:
    bool Load(const std::string& folder, std::string& error);

    CAccountStore m_accounts;
    CCatalogue m_catalogue;
    std::vector<std::pair<std::string, std::string>> m_notices;  // number, title (CP949)
    std::vector<std::string> m_forbidden;                        // CP949
};
