#include "surface/image_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
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

struct Mapping {
    const char* name;
    int width, height;  // logical pixels
    double dpr, x1, y1, x2, y2;
};

const Mapping kMappings[] = {
    {"profile frame", 317, 211, 1, -10, -40, 110, 110}, {"degrees west, x reversed", 300, 180, 1, 72, 44, 64.5, 36.6},
    {"y up", 240, 160, 1, 0, 100, 100, 0},              {"listing rows", 390, 120, 1, 1, 1, 50, 8},
    {"hidpi 1.5", 201, 133, 1.5, -10, -40, 110, 110},   {"hidpi 2, tiny units", 150, 90, 2, 0, 0, 0.001, 0.0007},
};

// Drawing calls placed by fractions of the user rectangle: lines in every
// direction and line style (the long ones reaching outside, the empty ones
// points), boxes and circles.
using Shape = std::function<void(ImageSurface&, const Mapping&)>;
double ux(const Mapping& m, double t) { return m.x1 + t * (m.x2 - m.x1); }
double uy(const Mapping& m, double t) { return m.y1 + t * (m.y2 - m.y1); }

std::vector<std::pair<std::string, Shape>> shapes() {
    std::vector<std::pair<std::string, Shape>> out;
    for (int deg = 0; deg < 360; deg += 7) {
        const double a = deg * M_PI / 180, len = deg % 3 == 0 ? 0.8 : deg % 3 == 1 ? 0.37 : 0;
        out.push_back({"line " + std::to_string(deg), [=](ImageSurface& s, const Mapping& m) {
            s.DrawStyle(deg % 4);
            s.Line(ux(m, 0.513), uy(m, 0.487), ux(m, 0.513 + len * std::cos(a)), uy(m, 0.487 + len * std::sin(a)));
        }});
    }
    for (int fill : {kFillSolid, kFillTransparent}) {
        out.push_back({"box fill " + std::to_string(fill), [=](ImageSurface& s, const Mapping& m) {
            s.FillStyle(fill);
            s.LineBox(ux(m, 0.21), uy(m, 0.33), ux(m, 0.71), uy(m, 0.43));
        }});
        for (double r : {0.0, 0.004, 0.05, 0.31, 0.45})
            out.push_back({"circle fill " + std::to_string(fill) + " r " + std::to_string(r),
                           [=](ImageSurface& s, const Mapping& m) {
                               s.FillStyle(fill);
                               s.Circle(ux(m, 0.4321), uy(m, 0.5678), r * (m.x2 - m.x1));
                           }});
    }
    return out;
}

// Drawing a call again in BackColor leaves no pixel, and drawing it once more
// covers exactly the pixels of the first time.
TEST(ImageSurface, OverdrawInBackColorErasesEveryShape) {
    const auto all = shapes();
    for (const Mapping& m : kMappings) {
        SCOPED_TRACE(m.name);
        ImageSurface s(m.width, m.height, m.dpr, kBack);
        s.Scale(m.x1, m.y1, m.x2, m.y2);
        for (const auto& [name, draw] : all) {
            SCOPED_TRACE(name);
            const auto paint = [&](Color fore, Color fill) {
                s.ForeColor(fore);
                s.FillColor(fill);
                draw(s, m);
            };
            paint(kRed, rgb(0, 0, 255));
            const QImage first = s.image().copy();
            ASSERT_GT(ink(first).first, 0);
            paint(kBack, kBack);
            ASSERT_EQ(ink(s.image()).first, 0);
            paint(kRed, rgb(0, 0, 255));
            ASSERT_EQ(s.image(), first) << "a second drawing covers the same pixels";
            s.Cls();
        }
    }
}

TEST(ImageSurface, SegmentsReachingOutsideAreClippedNotRejected) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* name;
        double x1, y1, x2, y2;
        QRect box;  // expected ink, device pixels
        int count;
    };
    // 200 x 100 pixels for (0, 0)-(100, 100): 2 px per unit across, 1 down.
    const Row rows[] = {
        {"a point", 10.3, 20.7, 10.3, 20.7, QRect(20, 20, 1, 1), 1},
        {"horizontal, both ends far out", -1e6, 50.5, 1e6, 50.5, QRect(0, 50, 200, 1), 200},
        {"vertical, both ends far out", 30.25, -1e7, 30.25, 1e7, QRect(60, 0, 1, 100), 100},
        {"ends beyond 1e300", -1e300, 20, 1e300, 20, QRect(0, 20, 200, 1), 200},
        {"diagonal through two corners", -1e5, -1e5, 1e5, 1e5, QRect(0, 0, 200, 100), 200},
        {"slanted, enters half-way down the left edge", -50, 0, 50, 100, QRect(0, 50, 100, 50), 100},
        {"entirely outside", -10, -10, -5, 200, QRect(), 0},
        {"not a number", nan, 10, 50, 50, QRect(), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ImageSurface s(200, 100, 1, kBack);
        s.Scale(0, 0, 100, 100);
        s.Line(row.x1, row.y1, row.x2, row.y2);
        EXPECT_EQ(ink(s.image()), std::pair(row.count, row.box));
    }
}

// A solid fill in BackColor blanks the disc inside the outline, a transparent
// one keeps what lies under it; the radius is in x units on both axes.
TEST(ImageSurface, SolidCircleFillInBackColorBlanksTheDisc) {
    for (int style : {kFillSolid, kFillTransparent}) {
        SCOPED_TRACE(style);
        ImageSurface s(100, 100, 1, kBack);
        s.Scale(0, 0, 100, 50);  // 1 px per unit across, 2 down
        s.FillStyle(kFillSolid), s.FillColor(kRed), s.ForeColor(kRed);
        s.LineBox(10, 5, 90, 45);  // a red square under the circle
        s.FillStyle(style), s.FillColor(kBack), s.ForeColor(0);
        s.Circle(50, 25, 30);
        const QImage& img = s.image();
        for (auto [x, y] : {std::pair{20, 50}, {80, 50}, {50, 20}, {50, 80}})
            EXPECT_EQ(img.pixel(x, y), q(0)) << "outline at " << x << "," << y;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (std::hypot(x - 50, y - 50) < 28.5) {
                    ASSERT_EQ(img.pixel(x, y), q(style ? kRed : kBack)) << x << "," << y;
                }
        EXPECT_EQ(img.pixel(12, 12), q(kRed)) << "outside the circle";
    }
}

// Text starts at (CurrentX, CurrentY), drawn at the device pixel ratio; "" draws
// nothing. The listing blanks a row of text with a solid box in BackColor.
TEST(ImageSurface, TextStartsAtTheCurrentPositionAtAnyPixelRatio) {
    const auto print = [](double dpr, bool underline, const std::string& text, bool blank = false) {
        ImageSurface s(200, 100, dpr, kBack);
        s.Scale(0, 0, 100, 100);
        s.CurrentX(20), s.CurrentY(30), s.FontUnderline(underline);
        s.Print(text);
        s.FillStyle(kFillSolid), s.ForeColor(kBack), s.FillColor(kBack);
        if (blank) s.LineBox(0, 29.9, 100, 45);
        return ink(s.image()).second;
    };
    EXPECT_TRUE(print(1, true, "  12.00   7.123", true).isEmpty());
    EXPECT_TRUE(print(1, false, "").isEmpty());
    const QRect plain = print(1, false, "HH"), hidpi = print(2, false, "HH"), under = print(1, true, "HH");
    EXPECT_TRUE(QRect(40, 30, 4, 7).contains(plain.topLeft())) << plain.x() << "," << plain.y();
    EXPECT_TRUE(QRect(80, 60, 7, 13).contains(hidpi.topLeft())) << hidpi.x() << "," << hidpi.y();
    EXPECT_NEAR(hidpi.height(), 2.0 * plain.height(), 0.25 * plain.height()) << "sharp on hidpi";
    EXPECT_GT(under.bottom(), plain.bottom()) << "underline below the letters";
}

// BackColor and resize leave only the background; after a resize the same
// user rectangle maps onto the new image. Empty sizes and scales are safe.
TEST(ImageSurface, ClearingAndResizing) {
    ImageSurface s(100, 50, 1, kBack);
    s.Scale(-10, -40, 110, 110);
    const auto draw = [&] { s.Line(-10, 35, 110, 35); };  // half-way down
    draw();
    s.BackColor(kRed);
    EXPECT_EQ(ink(s.image(), kRed).first, 0);
    draw();
    s.resize(300, 120, 2);
    EXPECT_EQ(ink(s.image(), kRed).first, 0) << "the old drawing is dropped";
    EXPECT_EQ(s.image().size(), QSize(600, 240));
    draw();
    EXPECT_EQ(ink(s.image(), kRed).second, QRect(0, 120, 600, 1));
    EXPECT_EQ(s.to_user(QPointF(150, 60)), QPointF(50, 35));  // a mouse position, logical pixels

    s.resize(0, 0, 0);
    EXPECT_EQ(s.image().size(), QSize(1, 1));
    s.Scale(0, 0, 0, 0);  // ignored: the mapping stays finite
    s.Line(0, 0, 1, 1);
    s.Circle(0, 0, 5);
    s.Print("x");
    EXPECT_NE(s.image().pixel(0, 0), q(kRed));
}

}  // namespace
