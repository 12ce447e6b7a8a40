#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "FoldVenBrowser/catalogue/RemoteCatalog.h"
#include "FoldVenBrowser/service/ListingParser.h"

namespace {

// Names of the length and mix the service sends: Hangul, digits, an extension for files.
CRemoteItem SampleItem(int id, int parentId, int level, unsigned seed) {
    CRemoteItem item;
    item.kind = 2;
    item.id = id;
    item.parentId = parentId;
    item.level = level;
    const bool folder = seed % 5 == 0;
    char name[64];
    std::snprintf(name, sizeof(name), "%s영화 모음 %07u%s", seed % 3 ? "Movie " : "",
                  (seed * 2654435761u) % 9999991u, folder ? "" : ".avi");
    item.name = name;
    item.size = folder ? -1 : static_cast<std::int64_t>(seed) * 4099;
    item.type = folder ? "D" : "F";
    item.owner = "FoldVen";
    item.cate1 = "movie";
    item.cate2 = "korea";
    item.capacity = 123456789;
    return item;
}

// A level-3 listing reply of 10,000 lines, as the service sends it (envelope included).
std::string ListingReply() {
    std::string body = "S\t0\tS0\t10000\t";
    for (int i = 0; i < 10000; ++i) {
        const CRemoteItem item = SampleItem(1000 + i, 11, 3, static_cast<unsigned>(i));
        body += std::to_string(item.id) + "\t11\t3\t" + std::to_string(item.size) + "\t" + item.name +
                "\tmovie\tkorea\t" + item.type + "\t" + std::to_string(i % 7) + "\t123456789\r\n";
    }
    return body;
}

// Parse-and-add of a 10,000-line reply: the cached children are replaced and the view rebuilt, as
// LoadChildren does around the listing request.
void BM_ParseAndAddListingOf10000(benchmark::State& state) {
    const std::string body = ListingReply();
    CRemoteCatalog catalog;
    CRemoteLocation loc;
    loc.id = 11;
    loc.level = 3;
    for (auto _ : state) {
        catalog.RemoveChildren(loc.id);
        catalog.m_view.clear();
        ParseListing(body, catalog, loc, false);
        benchmark::DoNotOptimize(catalog.m_view.size());
    }
}
BENCHMARK(BM_ParseAndAddListingOf10000)->Unit(benchmark::kMillisecond);

// ShowChildren over a cache of 100,000 items, of which state.range(0) are the folder's children.
void BM_ShowChildrenOver100000(benchmark::State& state) {
    const int children = static_cast<int>(state.range(0));
    CRemoteCatalog catalog;
    for (int i = 0; i < 100000; ++i) {
        const int parentId = i < children ? 11 : 12 + i % 500;
        catalog.m_all.push_back(SampleItem(1000 + i, parentId, 3, static_cast<unsigned>(i)));
    }
    CRemoteItem folder;
    folder.id = 11;
    folder.level = 2;
    for (auto _ : state) {
        catalog.ShowChildren(folder);
        benchmark::DoNotOptimize(catalog.m_view.size());
    }
}
BENCHMARK(BM_ShowChildrenOver100000)
    ->Arg(30)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
