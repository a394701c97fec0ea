// A whole halvane conversion at capacity, from files on disk: 7001 nodes,
// 13001 elements, 30 sine-stretched levels per node, 50 level surfaces.
// The dialogue is answered from memory and the reports are discarded; the
// mesh, .lst and .s3r files are real files in a temporary folder.

#include "converter_driver.h"
#include "terminal.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int nodes = 7001;
constexpr int elements = 13001;
constexpr int surfaces = 50;

void write_file(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// A shelf sloping from 20 m to 2000 m; sigma-t rising with depth.
fs::path make_inputs() {
    std::string folder = (fs::temp_directory_path() / "halvane-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) std::abort();
    const fs::path dir(folder);
    char line[128];

    std::string nod;
    std::string bat;
    for (int i = 1; i <= nodes; ++i) {
        std::snprintf(line, sizeof line, "%d %.3f %.3f\n", i, 1000.0 * (i % 84), 1000.0 * (i / 84));
        nod += line;
        std::snprintf(line, sizeof line, "%d %.2f\n", i, 20.0 + 1980.0 * (i % 97) / 96.0);
        bat += line;
    }
    std::string ele;
    for (int k = 1; k <= elements; ++k) {
        std::snprintf(line, sizeof line, "%d %d %d %d\n", k, k % nodes + 1, (k + 1) % nodes + 1, (k + 84) % nodes + 1);
        ele += line;
    }
    std::string lst = "Sigma-t on level surfaces\nbenchmark shelf\n50\n";
    for (int l = 1; l <= surfaces; ++l) {
        std::snprintf(line, sizeof line, "%.1f%s", -2500.0 + 2500.0 * (l - 1) / (surfaces - 1),
                      l % 10 == 0 ? "\n" : " ");
        lst += line;
    }
    for (int i = 1; i <= nodes; ++i)
        for (int l = 1; l <= surfaces; ++l) {
            std::snprintf(line, sizeof line, "%.4f\n", 27.9 - 4.0 * l / surfaces + 0.001 * (i % 13));
            lst += line;
        }
    write_file(dir / "shelf.nod", nod);
    write_file(dir / "shelf.bat", bat);
    write_file(dir / "shelf.ele", ele);
    write_file(dir / "shelf.lst", lst);
    return dir;
}

void BM_WholeConversionAtCapacity(benchmark::State& state) {
    const fs::path dir = make_inputs();
    const std::string d = dir.string() + "/";
    const std::string answers = d + "shelf.nod\n" + d + "shelf.ele\n" + d + "shelf.bat\n30\nSINEZ\n" + d +
                                "shelf.lst\n" + d + "shelf.s3r\nBenchmark shelf\n";
    for (auto _ : state) {
        std::istringstream in(answers);
        std::ostringstream out;
        halvane::Terminal terminal(in, out);
        halvane::run_conversion(terminal);
        benchmark::DoNotOptimize(out);
    }
    state.counters["s3r_bytes"] = static_cast<double>(fs::file_size(dir / "shelf.s3r"));
    fs::remove_all(dir);
}
BENCHMARK(BM_WholeConversionAtCapacity)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
