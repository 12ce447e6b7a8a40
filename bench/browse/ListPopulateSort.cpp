// Time to show a folder of N files in the remote list from a cached view (Populate, then the paint that
// follows) and to sort it by name, under Wine. Prints the median of several runs for each N.
//   bench_list_populate_sort.exe [N ...]     (default 1000 10000)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FoldVenBrowser/views/RemoteCtlWnd.h"
#include "bench/browse/FileNames.h"
#include "tests/win/FoldVenBrowser/views/ViewsFixture.h"

namespace {

constexpr int kRuns = 5;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

template <typename Step>
double Time(Step step) {
    LARGE_INTEGER from;
    LARGE_INTEGER to;
    ::QueryPerformanceCounter(&from);
    step();
    ::QueryPerformanceCounter(&to);
    return Milliseconds(from, to);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

void FillView(FakeBrowseHost& host, CRemoteLocation& location, int count) {
    CRemoteCatalog& catalog = host.explorer.m_catalog;
    catalog.m_view.clear();
    const std::vector<std::string> names = BenchFileNames(count);
    for (int i = 0; i < count; ++i)
        catalog.m_view.push_back(MakeItem(100000 + i, 900, 4, names[static_cast<std::size_t>(i)], false));
    location.level = 3;
    location.id = 900;
    location.listed = 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {1000, 10000};

    CTestParent parent(false, 700, 500);
    ::ShowWindow(parent.Hwnd(), SW_SHOW);
    FakeBrowseHost host;
    CRemoteCtlWnd panel;
    if (!panel.Create(parent.Hwnd()))
        return 1;
    ::MoveWindow(panel.GetSafeHwnd(), 0, 0, 680, 460, TRUE);
    ::ShowWindow(panel.GetSafeHwnd(), SW_SHOW);
    CRemoteListCtrl& list = panel.GetList();
    list.SetHost(&host);
    list.SetupColumns(0);
    list.SetupImageList();

    std::printf("%8s %14s %18s %18s\n", "files", "populate (ms)", "sort by name (ms)", "sort again (ms)");
    for (int count : sizes) {
        std::vector<double> populate;
        std::vector<double> sort;
        std::vector<double> reverse;
        for (int run = 0; run < kRuns; ++run) {
            FillView(host, list.GetLocation(), count);
            Pump();
            populate.push_back(Time([&] {
                list.Populate();
                ::UpdateWindow(list.GetSafeHwnd());
            }));
            Pump();
            // A header click on "이름": ascending from the service's order, then the same click again
            // (descending from sorted rows, the order that made the old quicksort quadratic).
            list.m_nSortColumn = -1;
            sort.push_back(Time([&] {
                list.SortColumn(0, true, ListRows::kText);
                ::UpdateWindow(list.GetSafeHwnd());
            }));
            reverse.push_back(Time([&] {
                list.SortColumn(0, false, ListRows::kText);
                ::UpdateWindow(list.GetSafeHwnd());
            }));
            Pump();
        }
        std::printf("%8d %14.1f %18.1f %18.1f\n", count, Median(populate), Median(sort), Median(reverse));
    }
    return 0;
}
