#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The records behind the rows of the search list in the program under test: the list draws its rows
// itself, so their names and sizes are only in the records the rows hold.
namespace RemoteRows {

struct Row {
    std::string name;
    std::int64_t size = 0;
    std::string cate2;
};

int Count(HWND list);
// Each row's record, read as the program (built by the same compiler) lays it out.
std::vector<Row> Read(HWND list);

}  // namespace RemoteRows
