// The list benchmark's anchor: the same sort (ListRows::SortedOrder by name, ascending from the service's
// order, then descending from sorted rows) of the same keys, in a plain native loop without Wine or a list
// control. Prints the median of several runs for each N:   list_sort_native N...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FoldVenBrowser/catalogue/ListRows.h"
#include "bench/browse/FileNames.h"

namespace {

constexpr int kRuns = 5;

template <typename Step>
double Time(Step step) {
    const auto from = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    std::printf("%8s %18s %18s\n", "files", "sort by name (ms)", "sort again (ms)");
    for (int i = 1; i < argc; ++i) {
        const std::vector<std::string> names = BenchFileNames(std::atoi(argv[i]));
        std::vector<std::string> sortedNames;
        for (std::size_t row : ListRows::SortedOrder(names, true, ListRows::kText))
            sortedNames.push_back(names[row]);
        // Each sort takes its own copy of the texts, as the list reads each row's text before it sorts.
        std::vector<double> sort;
        std::vector<double> reverse;
        for (int run = 0; run < kRuns; ++run) {
            sort.push_back(Time([&] { ListRows::SortedOrder(names, true, ListRows::kText); }));
            reverse.push_back(Time([&] { ListRows::SortedOrder(sortedNames, false, ListRows::kText); }));
        }
        std::printf("%8zu %18.1f %18.1f\n", names.size(), Median(sort), Median(reverse));
    }
    return 0;
}
