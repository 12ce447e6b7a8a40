#include <benchmark/benchmark.h>

#include <string>

#include "FoldVenBrowser/app/Notices.h"

namespace {

// A notice reply of many lines, as an overlong or faulty reply would bring: the parse stays linear.
void BM_ParseNoticeReply(benchmark::State& state) {
    std::string reply = "S0\t1\t";
    for (int i = 0; i < state.range(0); ++i)
        reply += "1027\tnotice title of the service\r\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseNoticeReply(reply));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(reply.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseNoticeReply)->RangeMultiplier(8)->Range(8, 1 << 18)->Complexity();

// The status marker repeated: every occurrence is removed in one pass.
void BM_ParseNoticeReplyOfMarkers(benchmark::State& state) {
    std::string reply = "S0\t1\t1027\tnotice";
    for (int i = 0; i < state.range(0); ++i)
        reply += "S0\t";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseNoticeReply(reply));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseNoticeReplyOfMarkers)->RangeMultiplier(8)->Range(8, 1 << 18)->Complexity();

}  // namespace

BENCHMARK_MAIN();
