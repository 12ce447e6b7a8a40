#pragma once

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

// The names of a level-3 folder of `count` files in the service's order (numbers shuffled), with a few
// extensions: the keys the list benchmark sorts under Wine and its native anchor sorts in a plain loop.
// Compiled with the programs' code page (CP949) for the literals.
inline std::vector<std::string> BenchFileNames(int count) {
    const char* const extensions[] = {".avi", ".mkv", ".smi", ".txt"};
    std::vector<int> numbers(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        numbers[static_cast<std::size_t>(i)] = i;
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(42));
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof(name), "영화 파일 %06d%s", numbers[static_cast<std::size_t>(i)],
                      extensions[i % 4]);
        names.push_back(name);
    }
    return names;
}
