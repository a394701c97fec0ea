// The companion plots with a full store (200 casts of up to 500 scans, along
// a 1000 km track, each cast a different water column): a redraw of the T-S
// diagram and of the section on window images, and the section and T-S pages
// written to PDF, with the file's size.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "plot/section_grid.h"
#include "plot/section_plot.h"
#include "plot/ts_diagram.h"
#include "print/section_page.h"
#include "print/ts_page.h"
#include "readers/sigma_t.h"
#include "surface/image_surface.h"
#include "surface/pdf_surface.h"

namespace {

namespace fs = std::filesystem;

// 200 casts of 500 scans, one a metre, 0.05 degrees of latitude (5.6 km)
// apart; the bottom depth (botdep) deepens from 100 to 600 m and back.
// Temperature falls and salinity rises with depth, both drifting along the
// track, with a little noise, so the T-S dots rarely coincide.
const CruiseData& full_store() {
    static const CruiseData d = [] {
        CruiseData c;
        set_start_values(c);
        c.axlim(kDepth, 2) = 500;
        c.axlim(kTemp, 1) = 0, c.axlim(kTemp, 2) = 25, c.axlim(kSalt, 1) = 31, c.axlim(kSalt, 2) = 36;
        c.ncast = kMaxCast;
        c.curcast = 100;
        for (int i = 1; i <= kMaxCast; ++i) {
            c.castfile[i] = "cast" + std::to_string(i), c.castno[i] = std::to_string(i);
            c.lat[i] = 38 + 0.05 * i, c.lon[i] = 70;
            c.botdep[i] = 100 + int(500 * std::sin(M_PI * i / (kMaxCast + 1)));
            c.npts[i] = kMaxScan;
            for (int k = 1; k <= kMaxScan; ++k) {
                const double z = k, wobble = 0.3 * std::sin(i * 0.7 + k * 0.13);
                c.castdat(i, k, kDepth) = z;
                c.castdat(i, k, kTemp) = 20 - 14 * (1 - std::exp(-z / 120)) + 2 * std::sin(i / 30.0) + wobble;
                c.castdat(i, k, kSalt) = 32 + 3 * (1 - std::exp(-z / 200)) + 0.5 * std::cos(i / 25.0) + wobble / 5;
                c.castdat(i, k, kFluor) = 2 * std::exp(-std::pow((z - 30) / 15, 2));
                c.castdat(i, k, kSigma) = sigmat(c.castdat(i, k, kTemp), c.castdat(i, k, kSalt));
            }
        }
        return c;
    }();
    return d;
}

Canvas window_canvas(int width, int height) { return Canvas{double(width), double(height), 7, 15, 2}; }

// The T-S window's redraw, as draw_ts does it: clear, scale, draw.
void BM_TsRedraw(benchmark::State& state) {
    const CruiseData& d = full_store();
    const int w = int(state.range(0)), h = int(state.range(1));
    ImageSurface s(w, h);
    const Canvas c = window_canvas(w, h);
    for (auto _ : state) {
        s.Cls();
        s.Scale(0, 0, c.width, c.height);
        draw_ts_diagram(s, d, c, 100, "");
    }
}
BENCHMARK(BM_TsRedraw)->Args({360, 328})->Args({1000, 700})->Unit(benchmark::kMillisecond);

// The Section window's redraw: the section gridded from the store, then drawn.
void BM_SectionRedraw(benchmark::State& state) {
    const CruiseData& d = full_store();
    const int w = int(state.range(0)), h = int(state.range(1));
    ImageSurface s(w, h);
    const Canvas c = window_canvas(w, h);
    for (auto _ : state) {
        const SectionGrid sec = make_section(d, SectionChoice{});
        s.Cls();
        s.Scale(0, 0, c.width, c.height);
        draw_section(s, d, sec, c, "FULL: temperature, casts 1 to 200");
    }
}
BENCHMARK(BM_SectionRedraw)->Args({633, 252})->Args({1000, 700})->Unit(benchmark::kMillisecond);

// A page to PDF, and the file's size in bytes.
template <bool Section>
void BM_PageToPdf(benchmark::State& state) {
    const CruiseData& d = full_store();
    const char* name = Section ? "plot-bench-section.pdf" : "plot-bench-ts.pdf";
    const std::string path = (fs::temp_directory_path() / name).string();
    for (auto _ : state) {
        PdfSurface page(path, QPageSize(QPageSize::A4), PdfSurface::default_font(),
                        Section ? QPageLayout::Landscape : QPageLayout::Portrait);
        if constexpr (Section)
            draw_section_page(page, d, make_section(d, SectionChoice{}), "FULL: temperature, casts 1 to 200");
        else
            draw_ts_page(page, d, 100, "FULL: T-S diagram, cast 100");
        page.EndDoc();
        if (!page.job_ok()) state.SkipWithError("the PDF was not written");
    }
    state.counters["bytes"] = double(fs::file_size(path));
    fs::remove(path);
}
BENCHMARK(BM_PageToPdf<true>)->Name("BM_SectionToPdf")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageToPdf<false>)->Name("BM_TsToPdf")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
