#include "print/cast_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "format/number_format.h"
#include "surface/recording_surface.h"

namespace {

using Op = RecordingSurface::Op;
using At = std::pair<double, double>;

// Cast k (castno k in three digits): 12 degC, 33.5 psu, fluorescence 0, sigma-t 25.5.
void fill_cast(CruiseData& d, int k, const std::vector<double>& depths) {
    d.castno[k] = std::string(k < 10 ? "00" : "0") + std::to_string(k);
    d.castfile[k] = "/cruise/" + d.castno[k] + ".PRE";
    d.npts[k] = double(depths.size());
    for (int j = 1; j <= int(depths.size()); ++j) {
        const double sample[] = {0, depths[std::size_t(j - 1)], 12, 33.5, 0, 25.5};
        for (int v = kDepth; v <= kSigma; ++v) d.castdat(k, j, v) = sample[v];
    }
    d.ncast = std::max(double(d.ncast), double(k));
}

struct CastReport : ::testing::Test {
    CruiseData d;
    RecordingSurface page;

    CastReport() { set_start_values(d); }
    void draw(int k) {
        page.clear();
        draw_cast_page(page, d, k);
    }
};

TEST(DepthScale, NextMultipleOfFiftyStrictlyDeeperThanTheLastSample) {
    const std::pair<double, double> rows[] = {{0, 50}, {50, 100}, {100, 150}, {120, 150}, {-3, 50}, {NAN, 50}};
    for (auto [last, scale] : rows) EXPECT_EQ(depth_scale(last), scale) << last;
}

// x = (value - min) * 100 / (max - min), y = depth * 100 / 50: 12 degC, 33.5 psu
// and sigma-t 25.5 at x = 50, depth 0.5 at y = 1 and 36 psu at x = 100.
TEST_F(CastReport, HeaderLegendAndProfiles) {
    fill_cast(d, 7, {10, 20, 0.5, 40, 45});
    d.castdat(7, 4, kSalt) = 36;
    d.latdeg[7] = 41, d.latmin[7] = 30.46, d.londeg[7] = 70, d.lonmin[7] = 5;
    d.year[7] = 97, d.month[7] = 6, d.day[7] = 3, d.hour[7] = 13.5, d.botdep[7] = 85;
    draw(7);
    std::map<At, std::string> texts;
    for (const auto& c : page.of(Op::Print)) texts[{c.a, c.b}] = c.text;
    // clang-format off
    const std::map<At, std::string> want = {
        {{15, -70}, "Cast #:      007"}, {{60, -70}, "Date(y\\m\\d):  97\\6\\3"},
        {{15, -65}, "Lat:   41 30.5 N"}, {{60, -65}, "Hour (GMT):     13.5"},
        {{15, -60}, "Lon:   70 5. W"},   {{60, -60}, "Bottom depth:  85"},
        {{-9, -35}, " 2.0"},             {{102, -11}, "28.0"}, {{-9, 98}, " 50."},
    };  // clang-format on
    for (const auto& [at, text] : want) EXPECT_EQ(texts[at], text);
    std::map<int, int> profile_lines;
    for (const auto& c : page.of(Op::Line)) {
        if (c.b < 0 && c.d == c.b) {
            EXPECT_EQ(c.state.draw_style, (c.b + 40) / 8 - 1) << "legend row at " << c.b;
        }
        profile_lines[c.state.draw_style] += c.a > 1 && c.b > 1;  // not the legend or frame
    }
    // Solid, dash, dot and dash-dot as in the legend. The first point, the
    // segment to sample 2 and the one from 4 to 5: y = 1 breaks every curve,
    // x = 100 salinity's too; fluorescence 0 is outside.
    EXPECT_EQ(profile_lines, (std::map<int, int>{{kDrawSolid, 3}, {kDrawDash, 2}, {kDrawDot, 0}, {kDrawDashDot, 3}}));
    EXPECT_EQ(page.state().draw_style, kDrawSolid);
}

// Rows worked by hand from the nearest-sample rule: standard depths 5 ... 300 m
// in slots 2 to 15, unset (0) in 16 to 20; the rows follow each other 6 apart
// from y = 117, the note 12 below the last but after slot 20.
TEST_F(CastReport, TableRowsAtStandardDepths) {
    std::vector<double> metres;
    for (int m = 1; m <= 400; ++m) metres.push_back(m);
    // clang-format off
    struct Row { const char* name; std::vector<double> depths, rows; double note_y; } rows[] = {
        {"no samples", {}, {}, 135},
        {"one sample printed twice", {3}, {3, 3}, 135},
        {"equal distances choose the later", {4, 6, 8}, {4, 6, 8}, 141},
        {"deeper than 300 m: slots 16 to 20 take the next samples, then the stop", metres,
         {1, 5, 10, 15, 20, 25, 30, 40, 50, 75, 100, 150, 200, 250, 300, 301, 302, 303, 304, 305, 400}, 243},
    };  // clang-format on
    const std::string rest = padnum(8, 2, 12) + padnum(8, 2, 33.5) + padnum(8, 2, 0) + padnum(8, 2, 25.5);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fill_cast(d, 1, row.depths);
        draw(1);
        std::vector<double> got;
        double note_y = 0;
        for (const auto& c : page.of(Op::Print)) {
            if (c.a == 10 && c.b > 110) {
                EXPECT_EQ(c.b, 117 + 6.0 * double(got.size()));
                EXPECT_EQ(c.text.substr(8), rest);
                got.push_back(std::stod(c.text.substr(0, 8)));
            }
            if (c.text == "[** Note:  this is uncorrected data **]") note_y = c.b;
        }
        EXPECT_EQ(got, row.rows);
        EXPECT_EQ(note_y, row.note_y);
    }
}

}  // namespace
