// The viewer's drawing and printing with a full-capacity cruise loaded from
// disk (200 casts of 500 scans): drawing and erasing every cast on the window
// image, stepping through every cast with the right arrow key, and the report
// of all casts written to PDF. Windows are off-screen images of the sizes the
// viewer opens with; the information window is the real one.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "full_cruise.h"
#include "ui/data_export.h"
#include "ui/listing.h"
#include "ui/load_cruise.h"
#include "ui/profile_plot.h"
#include "ui/qt/headless_windows.h"
#include "ui/qt/info_panel.h"
#include "ui/qt/pdf_printer.h"
#include "ui/reports.h"
#include "ui/station_map.h"

namespace {

namespace fs = std::filesystem;

// The main window's drawing area at the default window size (6270 x 4320 twips
// at 96 dots an inch) and at a large size.
constexpr int kDefaultWidth = 418, kDefaultHeight = 288;
constexpr int kLargeWidth = 1920, kLargeHeight = 1080;

// The cruise, written once for every benchmark and removed at exit.
class CruiseFolder {
public:
    CruiseFolder() {
        std::string folder = (fs::temp_directory_path() / "quenvar9-viewer-bench-XXXXXX").string();
        if (!mkdtemp(folder.data())) std::abort();
        dir_ = folder;
        header_ = write_full_cruise(dir_);
    }
    ~CruiseFolder() { fs::remove_all(dir_); }
    const fs::path& dir() const { return dir_; }
    const std::string& header() const { return header_; }

private:
    fs::path dir_;
    std::string header_;
};

CruiseFolder& cruise() {
    static CruiseFolder folder;
    return folder;
}

class ImageProfileWindow : public ProfileWindow {
public:
    ImageProfileWindow(int width, int height) : image_(width, height, 1.0, rgb(192, 255, 255), 0) {}
    PlotSurface& surface() override { return image_; }
    void Caption(const std::string& title) override { caption_ = title; }
    void status(const std::string& text) override { status_ = text; }

private:
    ImageSurface image_;
    std::string caption_, status_;
};

class SilentAlerts : public Alerts {
public:
    int count = 0;
    void message_box(const std::string&, const std::string&) override { ++count; }
};

// A viewer with the full cruise loaded from disk, as after opening it, and
// the depth axis set to 0..500 m so that every scan of a cast is drawn.
struct LoadedViewer {
    explicit LoadedViewer(int width = kDefaultWidth, int height = kDefaultHeight) : quenvar(width, height) {
        v.lister.VScroll1().on_change = [this] { ::lister::VScroll1_Change(v); };
        setup(v);
        quenvar::Form_Resize(v);
        header_read = readsb911(v, cruise().header()).header_read;
        d.axlim(kDepth, 2) = 500;
        quenvar::Form_Resize(v);
    }
    bool loaded() const {
        return header_read && alerts.count == 0 && d.ncast == kMaxCast && d.npts[kMaxCast] == kMaxScan;
    }

    std::unique_ptr<CruiseData> store = std::make_unique<CruiseData>();
    CruiseData& d = *store;
    ImageProfileWindow quenvar;
    HeadlessMapWindow stations;
    HeadlessListerWindow lister;
    InfoPanel info{nullptr};
    HeadlessFileMessage filemsg;
    HeadlessLimitDialog limitbox;
    PdfPrinter printer;
    SilentAlerts alerts;
    bool header_read = false;
    Viewer v{d,        quenvar,
             stations, lister,
             info,     filemsg,
             limitbox, printer,
             alerts,   {QUENVAR_DATA_DIR "/brscale2.bln", QUENVAR_DATA_DIR "/brscale.bln", {}, {}},
             {}};
};

// Time per cast alongside the time per iteration.
benchmark::Counter per_cast() {
    return benchmark::Counter(kMaxCast, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Draws and erases each cast in turn on the main window (profiles, the map
// marker, the information window and the listing, as drawcast does).
void BM_DrawEraseEveryCast(benchmark::State& state) {
    LoadedViewer lv(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (!lv.loaded()) {
        state.SkipWithError("the cruise did not load whole");
        return;
    }
    for (auto _ : state) {
        for (int c = 1; c <= kMaxCast; ++c) {
            lv.d.curcast = c;
            drawcast(lv.v, c);
            drawcast(lv.v, -c);
        }
    }
    state.counters["s_per_cast"] = per_cast();
}
BENCHMARK(BM_DrawEraseEveryCast)
    ->ArgNames({"width", "height"})
    ->Args({kDefaultWidth, kDefaultHeight})
    ->Args({kLargeWidth, kLargeHeight})
    ->Unit(benchmark::kMillisecond);

// 200 right-arrow presses: each erases the current cast, steps to the next
// (wrapping from the last to the first) and draws it with its information and
// listing.
void BM_StepAllCastsWithKeys(benchmark::State& state) {
    LoadedViewer lv;
    if (!lv.loaded()) {
        state.SkipWithError("the cruise did not load whole");
        return;
    }
    for (auto _ : state) {
        for (int c = 1; c <= kMaxCast; ++c) quenvar::Form_KeyDown(lv.v, 39, 0);
    }
    if (lv.d.curcast != 1) state.SkipWithError("the steps did not come round to cast 1");
    state.counters["s_per_step"] = per_cast();
}
BENCHMARK(BM_StepAllCastsWithKeys)->Unit(benchmark::kMillisecond);

// The report of every cast, one page each, to a PDF file in a temporary folder.
void BM_PrintAllCastsToPdf(benchmark::State& state) {
    LoadedViewer lv;
    if (!lv.loaded()) {
        state.SkipWithError("the cruise did not load whole");
        return;
    }
    const std::string path = (cruise().dir() / "casts.pdf").string();
    for (auto _ : state) {
        if (!print_casts(lv.v, 1, path)) {
            state.SkipWithError("the report was not written");
            return;
        }
    }
    state.counters["pdf_bytes"] = benchmark::Counter(static_cast<double>(fs::file_size(path)),
                                                     benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
    state.counters["s_per_cast"] = per_cast();
}
BENCHMARK(BM_PrintAllCastsToPdf)->Unit(benchmark::kMillisecond);

// Every stored scan of the full cruise (100,000 scans) exported as CSV, NetCDF
// or an ODV spreadsheet through the output writer, into a temporary folder.
void BM_ExportFullCruise(benchmark::State& state) {
    LoadedViewer lv;
    if (!lv.loaded()) {
        state.SkipWithError("the cruise did not load whole");
        return;
    }
    const auto format = static_cast<DataFormat>(state.range(0));
    const std::string path = (cruise().dir() / "export").string();
    for (auto _ : state) {
        if (!export_data(lv.v, format, {path, {}, {"quenvar9", "bench", 1}})) {
            state.SkipWithError("the export was not written");
            return;
        }
    }
    state.counters["bytes"] = benchmark::Counter(static_cast<double>(fs::file_size(path)),
                                                 benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}
BENCHMARK(BM_ExportFullCruise)
    ->ArgNames({"format"})
    ->Arg(int(DataFormat::csv))
    ->Arg(int(DataFormat::netcdf))
    ->Arg(int(DataFormat::odv))
    ->Unit(benchmark::kMillisecond);

// The station map redrawn over the world coastline, fitted to a cruise of
// 20 stations spread over the given box (degrees west and north). The first
// drawing reads the world file's index; its time is the first_ms counter.
void BM_StationMapWorld(benchmark::State& state) {
    const double boxes[][4] = {{4.1, 50.3, 4.3, 50.4},  // off Plymouth, a degree wide
                               {71, 39.5, 70.5, 41.3},  // the EN617 section
                               {70, 60, 10, 30},        // the North Atlantic
                               {180, 60, -179, -60}};   // the whole world
    const double* b = boxes[state.range(0)];
    CruiseData d;
    set_start_values(d);
    d.ncast = 20;
    for (int i = 1; i <= 20; ++i) {
        d.castfile[i] = "c";
        d.lon[i] = b[0] + (b[2] - b[0]) * (i - 1) / 19.0;
        d.lat[i] = b[1] + (b[3] - b[1]) * ((i * 7) % 20) / 19.0;
    }
    d.curcast = 1;
    SilentAlerts alerts;
    HeadlessViewer headless(
        d, alerts,
        {QUENVAR_DATA_DIR "/brscale2.bln", QUENVAR_DATA_DIR "/brscale.bln", {}, QUENVAR_DATA_DIR "/world.bln"});
    Viewer& v = headless.viewer;
    static double first_ms = -1;  // the process's first drawing, which reads the index
    const auto start = std::chrono::steady_clock::now();
    if (!stamap(v).ok()) {
        state.SkipWithError("the world coastline could not be drawn");
        return;
    }
    if (first_ms < 0)
        first_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    state.counters["first_ms"] = first_ms;
    long segments = 0;
    for (auto _ : state) segments = stamap(v).segments;
    state.counters["segments"] = double(segments);
}
BENCHMARK(BM_StationMapWorld)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
