// Loading an SB911 cruise at the store's capacity: 200 casts of 500 scans,
// six values a scan, DOS line ends, read from files in the temporary folder.
// Target: under 100 ms a load.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "full_cruise.h"
#include "readers/sb911_reader.h"
#include "store/cruise_data.h"

namespace {

namespace fs = std::filesystem;

void BM_LoadFullSb911Cruise(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / "quenvar9-readers-bench";
    const std::string header = write_full_cruise(folder);
    auto d = std::make_unique<CruiseData>();
    for (auto _ : state) {
        const LoadResult r = read_sb911(*d, header);
        if (!r.issues.empty() || d->ncast != kMaxCast) {
            state.SkipWithError("the cruise did not load whole");
            break;
        }
        benchmark::DoNotOptimize(d->castdat(kMaxCast, kMaxScan, kSigma).value());
    }
    state.counters["scans"] =
        benchmark::Counter(double(kMaxCast) * kMaxScan, benchmark::Counter::kIsIterationInvariantRate);
    fs::remove_all(folder);
}
BENCHMARK(BM_LoadFullSb911Cruise)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
