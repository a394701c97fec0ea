#include "plot/profiles.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "surface/image_surface.h"
#include "surface/recording_surface.h"

namespace {

using Op = RecordingSurface::Op;
using Segments = std::vector<std::vector<double>>;  // x1, y1, x2, y2

CruiseData started() {
    CruiseData d;
    set_start_values(d);
    return d;
}

// Titles and limits at the start-up limits (text@x,y/colour), each axis in its
// colour, the depth labels in the last; ForeColor is left as it was.
TEST(ProfileFrame, LabelsInTheAxisColours) {
    CruiseData d = started();
    RecordingSurface s;
    s.ForeColor(rgb(1, 2, 3));
    draw_profile_frame(s, d);
    EXPECT_EQ(s.state().fore, rgb(1, 2, 3));
    std::string got;
    for (const auto& p : s.of(Op::Print))
        for (int c = 0; c < 16; ++c)
            if (p.state.fore == QBColor(c))
                got += p.text + "@" + std::to_string(int(p.a)) + "," + std::to_string(int(p.b)) + "/" +
                       std::to_string(c) + " ";
    EXPECT_EQ(got, "temperature@40,-38/1 2.0@-9,-35/1 22.0@102,-35/1  salinity  @40,-30/3 31.0@-9,-27/3 36.0@102,-27/3 "
                   "fluoresence@40,-22/5 0.0@-9,-19/5 5.0@102,-19/5   sigma-t  @40,-14/4 23.0@-9,-11/4 28.0@102,-11/4 "
                   "0.@-7,-2/4 100.@-7,98/4 ");
}

// Start-up limits: depth 0..100 gives y = depth, temperature 2..22 gives
// x = 5 (t - 2), salinity 31..36 x = 20 (s - 31).
TEST(DrawProfile, SegmentsNeedBothEndsStrictlyInside) {
    // clang-format off
    struct Row {
        const char* name; int var; std::vector<std::pair<double, double>> scans; /* depth, value */ Segments want;
        double depth_max = 100; bool emptied = false;  // npts 0 after filling: the store still holds the scans
    };
    const Row rows[] = {
        {"starts at the surface: depths at or above 1 are outside", kTemp, {{0, 12}, {1, 12}, {2, 12}, {3, 14}},
         {{50, 2, 60, 3}}},
        {"leaves on the right and returns: no segment touches the outside point", kTemp,
         {{10, 12}, {20, 20}, {30, 24}, {40, 20}, {50, 12}},
         {{50, 10, 50, 10}, {50, 10, 90, 20}, {90, 40, 50, 50}}},
        {"x of exactly 100 is outside", kTemp, {{10, 22}, {20, 12}, {30, 12}}, {{50, 20, 50, 30}}},
        {"x of exactly 1 is outside", kFluor, {{10, 2.5}, {20, 0.05}, {30, 2.5}, {40, 2.5}},
         {{50, 10, 50, 10}, {50, 30, 50, 40}}},
        // (2.2 - 2) * 5 is 1.0000000000000009: inside in double, drawn at the float 1.
        {"judged in double, drawn in single precision", kTemp, {{10, 12}, {20, 2.2}, {30, 12}},
         {{50, 10, 50, 10}, {50, 10, 1, 20}, {1, 20, 50, 30}}},
        // (31.05 - 31) * 20 is 1.0000000000000142: inside, though 1 as a float.
        {"salinity just above 1", kSalt, {{10, 33.5}, {20, 31.05}, {30, 33.5}, {40, 33.5}},
         {{50, 10, 50, 10}, {50, 10, 1, 20}, {1, 20, 50, 30}, {50, 30, 50, 40}}},
        {"below the depth axis", kTemp, {{99, 12}, {100, 12}, {120, 12}}, {{50, 99, 50, 99}}},
        {"another depth range", kTemp, {{75, 12}, {120, 12}}, {{50, 50, 50, 50}, {50, 50, 50, 80}}, 150},
        {"empty cast holding scan 1 of an earlier, longer cruise", kTemp, {{10, 12}}, {}, 100, true},
    };  // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CruiseData d = started();
        d.npts[1] = row.emptied ? 0 : double(row.scans.size());
        for (int k = 1; k <= int(row.scans.size()); ++k)
            d.castdat(1, k, kDepth) = row.scans[k - 1].first, d.castdat(1, k, row.var) = row.scans[k - 1].second;
        RecordingSurface s;
        draw_profile(s, d, 1, row.var, 0, row.depth_max);
        Segments got;
        for (const auto& c : s.of(Op::Line)) got.push_back({c.a, c.b, c.c, c.d});
        EXPECT_EQ(got, row.want);
    }
}

// Erasing is drawing again in the background colour: whatever the window's
// size and pixel ratio, a cast wandering over the axes and out of the plot on
// every side leaves only frame and background pixels.
TEST(DrawProfile, ErasingLeavesOnlyTheFrame) {
    CruiseData d = started();
    d.npts[1] = 400;
    for (int k = 1; k <= 400; ++k) {
        const double t = k / 400.0;
        const double depth = 3 + 112 * t, temp = 12 + 11 * std::sin(31 * t), salt = 33.5 + 2.7 * std::sin(17 * t + 1);
        const double fluor = 0.1 + 2.4 * (1 + std::cos(23 * t)), sigma = 25.5 + 2.6 * std::sin(7 * t + 2);
        const double row[] = {0, depth, temp, salt, fluor, sigma};
        for (int v = kDepth; v <= kSigma; ++v) d.castdat(1, k, v) = row[v];
    }
    for (const auto& [w, h, dpr] : {std::tuple(418, 288, 1.0), {121, 77, 1.0}, {333, 217, 1.5}}) {
        SCOPED_TRACE(std::to_string(w) + " at " + std::to_string(dpr));
        ImageSurface s(w, h, dpr, rgb(255, 255, 255), 0);
        profile_scale(s);
        draw_profile_frame(s, d);
        const QImage frame = s.image().copy();
        for (bool erase : {false, true}) {
            for (int var = kTemp; var <= kSigma; ++var) {
                s.ForeColor(erase ? s.BackColor() : static_cast<Color>(d.varcol[var].value()));
                draw_profile(s, d, 1, var, 0, 100);
            }
            ASSERT_TRUE(erase || s.image() != frame) << "the profiles drew nothing";
        }
        int stray = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                stray += s.image().pixel(x, y) != frame.pixel(x, y) && s.image().pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_EQ(stray, 0);
    }
}

}  // namespace
