#include "surface/image_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr Color kBack = rgb(192, 255, 255);
constexpr Color kRed = rgb(255, 0, 0);

QRgb q(Color c) { return qRgb(red_of(c), green_of(c), blue_of(c)); }

// The pixels that differ from `back`: how many, and their bounding box in device pixels.
std::pair<int, QRect> ink(const QImage& img, Color back = kBack) {
    int n = 0;
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != q(back)) ++n, box |= QRect(x, y, 1, 1);
    return {n, box};
}

// Drawing a call again in BackColor leaves no pixel: lines in every direction and
// style (the long ones reaching outside, the empty ones points), boxes and
// circles, placed by fractions of the user rectangle.
TEST(ImageSurface, OverdrawInBackColorErasesEveryShape) {
    // clang-format off
    struct Mapping { const char* name; int width, height; double dpr, x1, y1, x2, y2; };  // sizes in logical pixels
    const Mapping mappings[] = {{"degrees west, x reversed", 300, 180, 1,   72,  44,  64.5,  36.6},
                                {"hidpi 1.5, y up",          201, 133, 1.5, -10, 110, 110,   -40},
                                {"hidpi 2, tiny units",      150, 90,  2,   0,   0,   0.001, 0.0007}};  // clang-format on
    for (const Mapping& m : mappings) {
        SCOPED_TRACE(m.name);
        ImageSurface s(m.width, m.height, m.dpr, kBack);
        s.Scale(m.x1, m.y1, m.x2, m.y2);
        const auto ux = [&](double t) { return m.x1 + t * (m.x2 - m.x1); };
        const auto uy = [&](double t) { return m.y1 + t * (m.y2 - m.y1); };
        const auto check = [&](const std::string& name, const std::function<void()>& draw) {
            s.ForeColor(kRed), s.FillColor(rgb(0, 0, 255)), draw();
            const int drawn = ink(s.image()).first;
            s.ForeColor(kBack), s.FillColor(kBack), draw();
            ASSERT_TRUE(drawn > 0 && ink(s.image()).first == 0) << name << ": " << drawn;
        };
        for (int deg = 0; deg < 360; deg += 7) {
            const double a = deg * M_PI / 180, len = deg % 3 == 0 ? 0.8 : deg % 3 == 1 ? 0.37 : 0;
            const double x = 0.513 + len * std::cos(a), y = 0.487 + len * std::sin(a);
            check("line " + std::to_string(deg),
                  [&] { s.DrawStyle(deg % 4), s.Line(ux(0.513), uy(0.487), ux(x), uy(y)); });
        }
        for (int fill : {kFillSolid, kFillTransparent}) {
            s.FillStyle(fill);
            check("box", [&] { s.LineBox(ux(0.21), uy(0.33), ux(0.71), uy(0.43)); });
            for (double r : {0.0, 0.004, 0.05, 0.31, 0.45})
                check("circle " + std::to_string(r), [&] { s.Circle(ux(0.4321), uy(0.5678), r * (m.x2 - m.x1)); });
        }
    }
}

// What single calls draw on 200 x 100 pixels for (0, 0)-(100, 100): 2 px per
// unit across, 1 down. Segments reaching outside are clipped, not rejected. An
// image takes the pixel under each device pixel's centre, mirrored when its
// rectangle runs backwards; a polygon fills the pixels whose centres lie inside.
TEST(ImageSurface, InkOfSingleCalls) {
    constexpr Color kGreen = rgb(0, 255, 0), kBlue = rgb(0, 0, 255);
    const RgbImage quad{2, 2, {kRed, kGreen, kBlue, kBack}};
    const QPoint probes[] = {{25, 12}, {75, 12}, {25, 37}, {60, 60}};
    // clang-format off
    struct Row {
        const char* name; std::function<void(ImageSurface&)> draw; QRect box; int count; std::vector<Color> at = {};
    };  // count -1: unchecked; `at`: the colours at the probes
    const Row rows[] = {
        {"a point", [](auto& s) { s.Line(10.3, 20.7, 10.3, 20.7); }, QRect(20, 20, 1, 1), 1},
        {"vertical, both ends far out", [](auto& s) { s.Line(30.25, -1e7, 30.25, 1e7); }, QRect(60, 0, 1, 100), 100},
        {"ends beyond 1e300", [](auto& s) { s.Line(-1e300, 20, 1e300, 20); }, QRect(0, 20, 200, 1), 200},
        {"diagonal through two corners", [](auto& s) { s.Line(-1e5, -1e5, 1e5, 1e5); }, QRect(0, 0, 200, 100), 200},
        {"slanted, enters half-way down the left edge", [](auto& s) { s.Line(-50, 0, 50, 100); },
         QRect(0, 50, 100, 50), 100},
        {"entirely outside", [](auto& s) { s.Line(-10, -10, -5, 200); }, QRect(), 0},
        {"not a number", [](auto& s) { s.Line(NAN, 10, 50, 50); }, QRect(), 0},
        {"an empty scale is ignored", [](auto& s) { s.Scale(0, 0, 0, 0), s.Line(10, 50, 20, 50); },
         QRect(20, 50, 21, 1), 21},
        {"circle radius in x units", [](auto& s) { s.Circle(50, 50, 10); }, QRect(80, 30, 41, 41), -1},
        // After a resize the same user rectangle maps onto the new image, for drawing and for mouse positions.
        {"resized", [](auto& s) {
             s.resize(300, 120, 2), s.Line(0, 50, 100, 50);
             EXPECT_EQ(s.to_user({150, 60}), QPointF(50, 50));
         }, QRect(0, 120, 600, 1), 600},
        {"resized to nothing", [](auto& s) { s.resize(0, 0, 0); EXPECT_EQ(s.image().size(), QSize(1, 1)); },
         QRect(), 0},
        // A solid fill in BackColor blanks the disc inside the outline, a transparent one keeps what lies under it.
        {"solid fill over a line", [](auto& s) {
             s.Line(0, 50, 100, 50), s.FillStyle(kFillSolid), s.FillColor(kBack), s.ForeColor(kBack);
             s.Circle(50, 50, 10);
         }, QRect(0, 50, 200, 1), 159},
        {"transparent fill over a line", [](auto& s) {
             s.Line(0, 50, 100, 50), s.FillStyle(kFillTransparent), s.ForeColor(kBack), s.Circle(50, 50, 10);
         }, QRect(0, 50, 200, 1), 198},
        {"setting BackColor clears", [](auto& s) { s.Line(0, 50, 50, 50), s.BackColor(kBack); }, QRect(), 0},
        {"an image on the top-left quarter", [&](auto& s) { s.Image(quad, 0, 0, 50, 50); }, QRect(0, 0, 100, 50), 3750,
         {kRed, kGreen, kBlue, kBack}},
        {"mirrored both ways", [&](auto& s) { s.Image(quad, 50, 50, 0, 0); }, QRect(0, 0, 100, 50), 3750,
         {kBack, kBlue, kGreen, kBack}},
        {"too few pixels", [](auto& s) { s.Image(RgbImage{2, 2, {kRed}}, 0, 0, 50, 50); }, QRect(), 0},
        {"a square", [](auto& s) { s.FillPolygon({{10, 20}, {60, 20}, {60, 70}, {10, 70}}, kRed); },
         QRect(20, 20, 100, 50), 5000, {kBack, kBack, kRed, kRed}},
    };  // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ImageSurface s(200, 100, 1, kBack);
        s.Scale(0, 0, 100, 100);
        row.draw(s);
        const auto [count, box] = ink(s.image());
        EXPECT_TRUE(box == row.box && (row.count < 0 || count == row.count)) << count;
        for (std::size_t k = 0; k < row.at.size(); ++k) EXPECT_EQ(s.image().pixel(probes[k]), q(row.at[k])) << k;
    }
}

// Text starts at (CurrentX, CurrentY), drawn at the device pixel ratio.
TEST(ImageSurface, TextStartsAtTheCurrentPositionAtAnyPixelRatio) {
    const auto print = [](double dpr, bool underline) {
        ImageSurface s(200, 100, dpr, kBack);
        s.Scale(0, 0, 100, 100);
        s.CurrentX(20), s.CurrentY(30), s.FontUnderline(underline);
        s.Print("HH");
        return ink(s.image()).second;
    };
    const QRect plain = print(1, false), hidpi = print(2, false), under = print(1, true);
    EXPECT_TRUE(QRect(40, 30, 4, 7).contains(plain.topLeft()) && QRect(80, 60, 7, 13).contains(hidpi.topLeft()))
        << plain.x() << "," << plain.y() << " " << hidpi.x() << "," << hidpi.y();
    EXPECT_GT(under.bottom(), plain.bottom()) << "underline below the letters";
}

}  // namespace
