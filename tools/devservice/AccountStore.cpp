#include "tools/devservice/AccountStore.h"

#include <cstdlib>

#include "tools/devservice/Charset.h"
#include "tools/devservice/TextUtil.h"

bool CAccountStore::Load(const std::string& file, std::string& error) {
    std::vector<std::string> lines;
    if (!CTextUtil::ReadLines(file, lines)) {
        error = "cannot read " + file;
        return false;
    }
    return LoadText(lines, error);
}

bool CAccountStore::LoadText(const std::vector<std::string>& lines, std::string& error) {
    m_accounts.clear();
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = CTextUtil::Trim(lines[i]);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> f = CTextUtil::Split(line, '|');
        if (f.size() != 11) {
            error = "accounts line " + std::to_string(i + 1) + ": expected 11 columns";
            return false;
        }
        for (std::string& field : f) {
            field = CTextUtil::Trim(field);
            field = field == "-" ? std::string() : CCharset::Utf8ToCp949(field);
        }
        CAccount a;
        a.id = f[0];
        a.password = f[1];
        a.nickname = f[2];
        a.grade = f[3];
        a.informKey = f[4];
        a.balance = std::strtoll(f[5].c_str(), nullptr, 10);
        a.flatRate = std::atoi(f[6].c_str());
        a.flatRateUntil = f[7];
        a.adult = f[8].empty() ? 'N' : f[8][0];
        a.listKey = f[9];
        a.blocked = f[10] == "blocked";
        if (a.id.empty() || Find(a.id) != nullptr) {
            error = "accounts line " + std::to_string(i + 1) + ": empty or repeated id";
            return false;
        }
        m_accounts.push_back(a);
    }
    return true;
}

const CAccount* CAccountStore::Find(const std::string& id) const {
    for (const CAccount& a : m_accounts) {
        if (a.id == id) {
            return &a;
        }
    }
    return nullptr;
}

bool CAccountStore::IsListKey(const std::string& key) const {
    for (const CAccount& a : m_accounts) {
        if (!a.blocked && !a.listKey.empty() && a.listKey == key) {
            return true;
        }
    }
    return false;
}
