#include "tools/devservice/Catalogue.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "tools/devservice/Charset.h"
#include "tools/devservice/TextUtil.h"

namespace {

bool ParseSize(const std::string& text, std::int64_t& size) {
    if (text.empty()) {
        return false;
    }
    std::int64_t unit = 1;
    std::string number = text;
    const std::string units = "KMGT";
    size_t u = units.find(text.back());
    if (u != std::string::npos) {
        for (size_t i = 0; i <= u; ++i) {
            unit *= 1024;
        }
        number.pop_back();
    }
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(number.c_str(), &end, 10);
    if (number.empty() || *end != '\0' || errno == ERANGE || value < 0 ||
        value > std::numeric_limits<std::int64_t>::max() / unit) {
        return false;
    }
    size = value * unit;
    return true;
}

std::string LineError(size_t lineNo, const std::string& what) {
    return "catalogue line " + std::to_string(lineNo) + ": " + what;
}

}  // namespace

bool CCatalogue::Load(const std::string& file, std::string& error) {
    std::vector<std::string> lines;
    if (!CTextUtil::ReadLines(file, lines)) {
        error = "cannot read " + file;
        return false;
    }
    return LoadText(lines, error);
}

bool CCatalogue::LoadText(const std::vector<std::string>& lines, std::string& error) {
    m_items.clear();
    CCatalogueItem root;
    root.name = "/";
    root.cate2 = "root";
    m_items[kRootId] = root;
    std::vector<int> stack = {kRootId};  // stack[level] = id of the open folder at that level

    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::string body = CTextUtil::Trim(line);
        if (body.empty() || body[0] == '#') {
            continue;
        }
        size_t indent = line.find_first_not_of(' ');
        if (indent % 2 != 0) {
            error = LineError(i + 1, "indentation must be a multiple of two blanks");
            return false;
        }
        int level = static_cast<int>(indent / 2) + 1;
        if (level > static_cast<int>(stack.size())) {
            error = LineError(i + 1, "indented deeper than the folder above");
            return false;
        }
        std::istringstream fields(body);
        std::string kind, idText, third;
        fields >> kind >> idText >> third;
        std::string name;
        std::getline(fields, name);
        name = CTextUtil::Trim(name);
        char* end = nullptr;
        long id = std::strtol(idText.c_str(), &end, 10);
        if ((kind != "D" && kind != "F") || idText.empty() || *end != '\0' || id <= 0 || name.empty()) {
            error = LineError(i + 1, "expected \"D <id> <code> <name>\" or \"F <id> <size> <name>\"");
            return false;
        }
        if (m_items.count(static_cast<int>(id)) != 0) {
            error = LineError(i + 1, "id " + idText + " is used twice");
            return false;
        }
        stack.resize(level);
        const CCatalogueItem& parent = m_items[stack.back()];
        if (parent.isFile) {
            error = LineError(i + 1, "a file cannot hold entries");
            return false;
        }

        CCatalogueItem item;
        item.id = static_cast<int>(id);
        item.parentId = parent.id;
        item.level = level;
        item.isFile = kind == "F";
        item.name = CCharset::Utf8ToCp949(name);
        if (item.isFile && !ParseSize(third, item.size)) {
            error = LineError(i + 1, "bad size \"" + third + "\"");
            return false;
        }
        item.capacity = item.isFile ? item.size : 0;
        std::string code = (!item.isFile && third != "-") ? third : std::string();
        if (level == 1) {
            item.cate1 = code;
            item.cate2 = "root";
        } else if (level == 2) {
            item.cate1 = code.empty() ? parent.cate1 : code;
            item.cate2 = parent.cate1;
        } else {
            item.cate1 = parent.cate1;
            item.cate2 = parent.cate2;
        }
        item.path = level == 1 ? "/" : (parent.path == "/" ? "" : parent.path) + "/" + parent.name;

        // Every folder above must still be able to sum its capacity.
        for (int ancestor : stack) {
            if (item.isFile &&
                m_items[ancestor].capacity > std::numeric_limits<std::int64_t>::max() - item.size) {
                error = LineError(i + 1, "bad size \"" + third + "\": the folders above cannot sum it");
                return false;
            }
        }
        for (int ancestor : stack) {
            m_items[ancestor].capacity += item.isFile ? item.size : 0;
        }
        m_items[parent.id].children.push_back(item.id);
        m_items[item.id] = item;
        stack.push_back(item.id);
    }
    return true;
}

const CCatalogueItem* CCatalogue::Find(int id) const {
    auto it = m_items.find(id);
    return it == m_items.end() ? nullptr : &it->second;
}

std::vector<const CCatalogueItem*> CCatalogue::Children(int parentId) const {
    std::vector<const CCatalogueItem*> result;
    const CCatalogueItem* parent = Find(parentId);
    if (parent == nullptr) {
        return result;
    }
    for (int id : parent->children) {
        result.push_back(Find(id));
    }
    return result;
}

std::vector<const CCatalogueItem*> CCatalogue::Search(const std::string& keyword, int category,
                                                      size_t limit) const {
    std::vector<const CCatalogueItem*> result;
    std::vector<const CCatalogueItem*> categories;
    for (const CCatalogueItem* top : Children(kRootId)) {
        if (top->cate1 != "user") {
            categories.push_back(top);
        }
    }
    if (keyword.empty() || category < 0 || static_cast<size_t>(category) >= categories.size()) {
        return result;
    }
    const std::string& code = categories[static_cast<size_t>(category)]->cate1;
    for (const auto& entry : m_items) {
        const CCatalogueItem& item = entry.second;
        if (item.level < 3 || item.cate2 != code || result.size() >= limit) {
            continue;
        }
        if (CTextUtil::ContainsNoCase(item.name, keyword)) {
            result.push_back(&item);
        }
    }
    return result;
}
