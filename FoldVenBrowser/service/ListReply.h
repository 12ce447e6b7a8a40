#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "FoldVenBrowser/catalogue/RemoteItem.h"

// Pieces shared by the list replies (catalogue listing and search): "S\t0\tS0\t" opens each of them.
namespace ListReply {

constexpr const char* kListStart = "S\t0\tS0\t";

// `body` with every occurrence of the list start removed.
std::string WithoutListStarts(const std::string& body);

// When `text` holds a tab: hands each of its CR LF lines, trimmed, to `line`, for as long as the text
// after the line just read is at least `minRest` bytes long and still holds a tab. Lines are taken by
// position rather than cut from the front, so a long reply costs time in proportion to its length.
void ForEachLine(const std::string& text, std::size_t minRest,
                 const std::function<void(std::string&& line)>& line);

// The fields that listing and search lines share, from the front of `line`: id, parent, level, size,
// name (the owner is always "FoldVen"), cate1, cate2 (only below the root, else "root"), type, and the
// path below level 3.
void ReadItemFields(std::string& line, CRemoteItem& item);

}  // namespace ListReply
