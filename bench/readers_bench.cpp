// Loading cruises at the store's capacity, from files in the temporary folder:
// - SB911: 200 casts of 500 scans, six values a scan, DOS line ends. Target:
//   under 100 ms a load.
// - CNV: 200 .cnv files of 20,000 scans each (a 24 Hz record down to 1000 m
//   and back, about 230 MB of text), binned to 500 two-metre bins a cast.
//   Target: under 2 s a load.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "full_cruise.h"
#include "readers/cnv_reader.h"
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

constexpr int kCnvScans = 20000;

// 200 .cnv casts: pressure, temperature, salinity, fluorescence and flag
// columns, down to 1000 dbar in the first half of the scans, with heave.
std::vector<std::string> write_cnv_cruise(const fs::path& folder) {
    fs::create_directories(folder);
    std::vector<std::string> paths;
    std::vector<char> text;
    char line[128];
    for (int c = 1; c <= kMaxCast; ++c) {
        const std::string path = (folder / ("cast" + std::to_string(1000 + c) + ".cnv")).string();
        std::ofstream out(path, std::ios::binary);
        out << "* Sea-Bird SBE 9 Data File:\r\n* NMEA Latitude = 41 12.00 N\r\n* NMEA Longitude = 070 53.10 W\r\n"
               "* NMEA UTC (Time) = Jul 20 2018  17:24:26\r\n** Station: L01\r\n"
               "# name 0 = prDM: Pressure, Digiquartz [db]\r\n# name 1 = t090C: Temperature [ITS-90, deg C]\r\n"
               "# name 2 = sal00: Salinity, Practical [PSU]\r\n"
               "# name 3 = flECO-AFL: Fluorescence, WET Labs ECO-AFL/FL [mg/m^3]\r\n# name 4 = flag:  0.000e+00\r\n"
               "# bad_flag = -9.990e-29\r\n*END*\r\n";
        text.clear();
        for (int s = 0; s < kCnvScans; ++s) {
            const double down = s < kCnvScans / 2 ? s : kCnvScans - s;
            const double p = 1 + 999.0 * down / (kCnvScans / 2) + 0.6 * std::sin(s / 24.0);
            const int n = std::snprintf(line, sizeof line, "%11.3f%11.4f%11.4f%11.4f %10.3e\r\n", p, 22 - p / 60.0,
                                        31.5 + p / 500.0, 0.3 + (s % 17) / 10.0, 0.0);
            text.insert(text.end(), line, line + n);
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        paths.push_back(path);
    }
    return paths;
}

void BM_LoadCnvCruise(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / "quenvar9-cnv-bench";
    const std::vector<std::string> paths = write_cnv_cruise(folder);
    std::uintmax_t bytes = 0;
    for (const std::string& p : paths) bytes += fs::file_size(p);
    auto d = std::make_unique<CruiseData>();
    for (auto _ : state) {
        const LoadResult r = read_cnv(*d, paths);
        if (!r.issues.empty() || d->ncast != kMaxCast || d->npts[kMaxCast] < 450) {
            state.SkipWithError("the cruise did not load whole");
            break;
        }
        benchmark::DoNotOptimize(d->castdat(kMaxCast, kMaxScan, kSigma).value());
    }
    state.counters["scans"] =
        benchmark::Counter(double(kMaxCast) * kCnvScans, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB"] = double(bytes) / 1e6;
    fs::remove_all(folder);
}
BENCHMARK(BM_LoadCnvCruise)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
