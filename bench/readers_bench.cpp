// Loading an SB911 cruise at the store's capacity: 200 casts of 500 scans,
// six values a scan, DOS line ends, read from files in the temporary folder.
// Target: under 100 ms a load.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "readers/sb911_reader.h"
#include "store/cruise_data.h"

namespace {

namespace fs = std::filesystem;

// Writes the cruise once; returns the header's path.
std::string write_full_cruise(const fs::path& folder) {
    fs::create_directories(folder);
    std::ofstream header(folder / "FULL.hdr", std::ios::binary);
    for (int c = 1; c <= kMaxCast; ++c) {
        char no[4];
        std::snprintf(no, sizeof no, "%03d", c);
        // 41 12.0' N, 70 53.1' W, 20 July 2018 17.4 h, bottom 500 m, station L01.
        header << "E617" "41" "120" " 70" "531" "   " "18" "07" "20" "174" "   " << no << " 500"
               << std::string(32, ' ') << "L01\r\n";
        std::ofstream cast(folder / (std::string("FULLd") + no + ".PRE"), std::ios::binary);
        char line[96];
        for (int s = 1; s <= kMaxScan; ++s) {
            const double z = s;
            std::snprintf(line, sizeof line, "%6.1f %8.4f %8.4f %7.4f %7.4f %6.1f\r\n", z, 22 - z / 40.0,
                          31.5 + z / 500.0, 0.3 + (s % 17) / 10.0, 3.8 + (s % 7) / 10.0, 245.0 - z / 10.0);
            cast << line;
        }
    }
    return (folder / "FULL.hdr").string();
}

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
