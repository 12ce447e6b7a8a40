#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FoldVenBrowser/catalogue/RemoteItem.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"

// The rows of the remote list and the view items behind them. Each row carries its item in its item
// data, so whatever order a sort leaves the rows in, a row acts on the item it shows.
namespace ListRows {

constexpr int kColumns = 3;
// Item data of the parent row "..".
constexpr std::intptr_t kParentRow = 0;

inline std::intptr_t DataOfViewIndex(std::size_t index) {
    return static_cast<std::intptr_t>(index) + 1;
}
// The view item behind a row's item data; null for the parent row and for data outside the view.
const CRemoteItem* ItemOfRow(const CRemoteItemArray& view, std::intptr_t data);

// The "총용량" column: a file's size, the capacity of a folder at level 3 or deeper, else empty.
std::string SizeText(const CRemoteItem& item);

// How column texts compare: 0 integers (atoi), 1 reals (atof), 2 bytes, 3 bytes after upper-casing.
enum ColumnType { kInteger = 0, kReal = 1, kText = 2, kTextNoCase = 3 };
// The rows' new order after a sort of `texts` (one per row): indexes into `texts`. Rows of equal texts
// keep their order. O(n log n) whatever the order the rows were in.
std::vector<std::size_t> SortedOrder(const std::vector<std::string>& texts, bool ascending, int type);
// The same for texts kept elsewhere, read in place.
std::vector<std::size_t> SortedViewOrder(const std::vector<std::string_view>& texts, bool ascending,
                                         int type);

// What the download action hands over for the selected rows.
struct DownloadItem {
    std::string id;    // "%d" of the item's id
    std::string name;  // "%s.%s" of the item's path and name
};
enum class DownloadCheck { kOk, kNotFileLevel, kNothingSelected };
// Below level 3 nothing is downloadable; the parent row and rows without an item count as unselected.
DownloadCheck CollectDownloads(const CRemoteLocation& location, const CRemoteItemArray& view,
                               const std::vector<std::intptr_t>& selectedRows,
                               std::vector<DownloadItem>& out);

}  // namespace ListRows
