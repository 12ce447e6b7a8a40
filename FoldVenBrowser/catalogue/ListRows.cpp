#include "FoldVenBrowser/catalogue/ListRows.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

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

// A text's place in a sort: 8 of its bytes from `depth` on as a big-endian number, so that a comparison
// is one of two numbers in a small array instead of two strings elsewhere in memory. Texts hold no zero
// byte, so a text that ends within those 8 bytes has a smaller head than any longer text that agrees
// with it so far, as with strcmp.
struct HeadKey {
    std::uint64_t head;
    std::size_t index;
};

std::uint64_t HeadOf(std::string_view text, std::size_t depth) {
    std::uint64_t head = 0;
    for (std::size_t i = depth; i < depth + 8; ++i)
        head = (head << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return head;
}

// Sorts keys [begin, end), whose texts agree in their first `depth` bytes, by the 8 bytes that follow;
// each run of equal heads whose texts go on then by the next 8, and so on. Ties keep the texts' order:
// the index decides last, whichever the direction. A run of equal heads where no text goes on past the
// head holds equal texts (see HeadKey).
void SortByHeads(const std::vector<std::string_view>& texts, std::vector<HeadKey>& keys, std::size_t begin,
                 std::size_t end, std::size_t depth, bool ascending) {
    for (std::size_t i = begin; i < end; ++i)
        keys[i].head = HeadOf(texts[keys[i].index], depth);
    std::sort(keys.begin() + static_cast<std::ptrdiff_t>(begin),
              keys.begin() + static_cast<std::ptrdiff_t>(end),
              [ascending](const HeadKey& a, const HeadKey& b) {
                  if (a.head != b.head)
                      return ascending ? a.head < b.head : b.head < a.head;
                  return a.index < b.index;
              });
    for (std::size_t run = begin; run < end;) {
        bool goesOn = texts[keys[run].index].size() > depth + 8;
        std::size_t next = run + 1;
        for (; next < end && keys[next].head == keys[run].head; ++next)
            goesOn = goesOn || texts[keys[next].index].size() > depth + 8;
        if (next - run > 1 && goesOn)
            SortByHeads(texts, keys, run, next, depth + 8, ascending);
        run = next;
    }
}

std::vector<std::size_t> TextOrder(const std::vector<std::string_view>& texts, bool ascending) {
    std::vector<HeadKey> keys(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        keys[i] = {0, i};
    SortByHeads(texts, keys, 0, keys.size(), 0, ascending);
    std::vector<std::size_t> order(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        order[i] = keys[i].index;
    return order;
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

std::vector<std::size_t> SortedViewOrder(const std::vector<std::string_view>& texts, bool ascending,
                                         int type) {
    // Each text becomes its key once, not once per comparison.
    if (type == kInteger || type == kReal) {
        std::vector<double> keys;
        keys.reserve(texts.size());
        for (std::string_view text : texts) {
            const std::string terminated(text);
            keys.push_back(type == kInteger ? std::atoi(terminated.c_str()) : std::atof(terminated.c_str()));
        }
        return OrderOf(keys, ascending);
    }
    // Bytes after a zero byte do not count, as with strcmp.
    std::vector<std::string_view> keys;
    keys.reserve(texts.size());
    for (std::string_view text : texts)
        keys.push_back(text.substr(0, text.find('\0')));
    if (type != kTextNoCase)
        return TextOrder(keys, ascending);  // bytes compare unsigned, as strcmp does
    std::vector<std::string> upper;
    upper.reserve(keys.size());
    for (std::string_view key : keys)
        upper.push_back(UpperAscii(std::string(key)));
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = upper[i];
    return TextOrder(keys, ascending);
}

std::vector<std::size_t> SortedOrder(const std::vector<std::string>& texts, bool ascending, int type) {
    return SortedViewOrder(std::vector<std::string_view>(texts.begin(), texts.end()), ascending, type);
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
