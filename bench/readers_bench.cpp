// Loading cruises at the store's capacity, from files in the temporary folder:
// - SB911: 200 casts of 500 scans, six values a scan, DOS line ends. Target:
//   under 100 ms a load.
// - CNV: 200 .cnv files of 20,000 scans each in the 11 columns of an SBE
//   19plus V2 (down to 1000 dbar and back, 488 MB of text), binned to 500
//   two-metre bins a cast. Target: under 0.5 s a load (wall, 2 cores).

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
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

// The folder of the CNV cruise: QUENVAR_BENCH_CNV if set (kept after the run,
// so builds of other commits can be timed on the same files), else a
// temporary folder removed afterwards.
fs::path cnv_folder(bool& keep) {
    const char* given = std::getenv("QUENVAR_BENCH_CNV");
    keep = given && *given;
    return keep ? fs::path(given) : fs::temp_directory_path() / "quenvar9-cnv-bench";
}

// 200 casts as an SBE 19plus V2 writes them (the 11 columns of the Plymouth
// casts, 11-character fields), 20,000 scans each: down to 1000 dbar in the
// first half, with heave, and back up in the second. Files already there are
// kept.
std::vector<std::string> write_cnv_cruise(const fs::path& folder) {
    fs::create_directories(folder);
    std::vector<std::string> paths;
    std::vector<char> text;
    char line[160];
    for (int c = 1; c <= kMaxCast; ++c) {
        const std::string path = (folder / ("Station_" + std::to_string(1000 + c) + ".cnv")).string();
        paths.push_back(path);
        if (fs::exists(path)) continue;
        std::ofstream out(path, std::ios::binary);
        out << "* Sea-Bird SBE 19plus V2 Data File:\n* FileName = C:\\Data\\Station.hex\n"
               "* Software Version Seasave V 7.26.7.121\n* System UpLoad Time = Jul 05 2024 08:41:25\n"
               "* NMEA Latitude = 50 19.69 N\n* NMEA Longitude = 004 11.20 W\n"
               "* NMEA UTC (Time) = Jul 05 2024  08:40:34\n* Store Lat/Lon Data = Append to Every Scan\n"
               "** Ship: Callista\n** Station: 46\n* System UTC = Jul 05 2024 08:41:25\n# nquan = 11\n"
               "# nvalues = 20000\n# units = specified\n# name 0 = prDM: Pressure, Digiquartz [db]\n"
               "# name 1 = tv290C: Temperature [ITS-90, deg C]\n# name 2 = c0mS/cm: Conductivity [mS/cm]\n"
               "# name 3 = sal00: Salinity, Practical [PSU]\n"
               "# name 4 = flECO-AFL: Fluorescence, WET Labs ECO-AFL/FL [mg/m^3]\n"
               "# name 5 = par: PAR/Irradiance, Biospherical/Licor [umol photons/m^2/sec]\n"
               "# name 6 = turbWETntu0: Turbidity, WET Labs ECO [NTU]\n# name 7 = scan: Scan Count\n"
               "# name 8 = density00: Density [density, kg/m^3]\n# name 9 = cdomflTC0: CDOM, Turner Cyclops [ppb QS]\n"
               "# name 10 = flag:  0.000e+00\n# interval = seconds: 0.5\n"
               "# start_time = Jul 05 2024 08:40:35 [NMEA time, first data scan]\n# bad_flag = -9.990e-29\n"
               "# file_type = ascii\n*END*\n";
        text.clear();
        for (int s = 0; s < kCnvScans; ++s) {
            const double down = s < kCnvScans / 2 ? s : kCnvScans - s;
            const double p = 1 + 999.0 * down / (kCnvScans / 2) + 0.6 * std::sin(s / 24.0);
            const int n = std::snprintf(
                line, sizeof line, "%11.3f%11.4f%11.6f%11.4f%11.4f%11.4e%11.4f%11d%11.4f%11.4f%11.3e\n", p,
                22 - p / 60.0, 42.9 - p / 300.0, 31.5 + p / 500.0, 0.3 + (s % 17) / 10.0, 1255.0 / (1 + p),
                0.3 + (s % 5) / 10.0, s + 1, 1025.9 + p / 200.0, 0.04 + (s % 3) / 100.0, 0.0);
            text.insert(text.end(), line, line + n);
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    return paths;
}

void BM_LoadCnvCruise(benchmark::State& state) {
    bool keep = false;
    const fs::path folder = cnv_folder(keep);
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
    if (!keep) fs::remove_all(folder);
}
BENCHMARK(BM_LoadCnvCruise)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
