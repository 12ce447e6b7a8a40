#include "FoldVenBrowser/catalogue/ListRows.h"

#include <algorithm>
#include <cstdlib>

#include "FoldVenBrowser/catalogue/Formatters.h"

namespace ListRows {

namespace {

constexpr int kFirstFileLevel = 3;

std::string UpperAscii(std::string text) {
    // Only single-byte letters: the trail byte of a double-byte character must stay as it is.
    bool trail = false;
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!trail && byte >= 'a' && byte <= 'z')
            c = static_cast<char>(byte - 32);
        trail = !trail && byte >= 0x81 && byte <= 0xFE;
    }
    return text;
}

template <typename Key, typename Less>
std::vector<std::size_t> StableOrder(const std::vector<Key>& keys, Less less) {
    std::vector<std::size_t> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return less(keys[a], keys[b]); });
    return order;
}

template <typename Key>
std::vector<std::size_t> OrderOf(const std::vector<Key>& keys, bool ascending) {
    if (ascending)
        return StableOrder(keys, [](const Key& a, const Key& b) { return a < b; });
    return StableOrder(keys, [](const Key& a, const Key& b) { return b < a; });
}

}  // namespace

const CRemoteItem* ItemOfRow(const CRemoteItemArray& view, std::intptr_t data) {
    if (data <= kParentRow || static_cast<std::size_t>(data) > view.size())
        return nullptr;
    return &view[static_cast<std::size_t>(data) - 1];
}

std::string SizeText(const CRemoteItem& item) {
    if (item.size >= 0)
        return FormatSize(item.size);
    return item.level >= kFirstFileLevel ? FormatSize(item.capacity) : std::string();
}

std::vector<std::size_t> SortedOrder(const std::vector<std::string>& texts, bool ascending, int type) {
    // Each text becomes its key once, not once per comparison.
    if (type == kInteger || type == kReal) {
        std::vector<double> keys;
        keys.reserve(texts.size());
        for (const std::string& text : texts)
            keys.push_back(type == kInteger ? std::atoi(text.c_str()) : std::atof(text.c_str()));
        return OrderOf(keys, ascending);
    }
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    for (const std::string& text : texts) {
        // Bytes after a zero byte do not count, as with strcmp.
        std::string key(text.c_str());
        keys.push_back(type == kTextNoCase ? UpperAscii(std::move(key)) : std::move(key));
    }
    // std::string compares its bytes unsigned, as strcmp does.
    return OrderOf(keys, ascending);
}

DownloadCheck CollectDownloads(const CRemoteLocation& location, const CRemoteItemArray& view,
                               const std::vector<std::intptr_t>& selectedRows,
                               std::vector<DownloadItem>& out) {
    out.clear();
    if (location.level < kFirstFileLevel)
        return DownloadCheck::kNotFileLevel;
    for (std::intptr_t data : selectedRows) {
        const CRemoteItem* item = ItemOfRow(view, data);
        if (item == nullptr || item->name.empty() || item->name == "..")
            continue;
        out.push_back({std::to_string(item->id), item->path + "." + item->name});
    }
    return out.empty() ? DownloadCheck::kNothingSelected : DownloadCheck::kOk;
}

}  // namespace ListRows
