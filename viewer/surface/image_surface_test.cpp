#include "surface/image_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr Color kBack = rgb(192, 255, 255);
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlack = 0;

QRgb q(Color c) { return qRgb(red_of(c), green_of(c), blue_of(c)); }

int ink(const QImage& img, Color back = kBack) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) != q(back);
    return n;
}

// Bounding box of the pixels that differ from `back`, in device pixels.
QRect ink_box(const QImage& img, Color back = kBack) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != q(back)) box |= QRect(x, y, 1, 1);
    return box;
}

struct Mapping {
    const char* name;
    int width, height;  // logical pixels
    double dpr;
    double x1, y1, x2, y2;
};

const Mapping kMappings[] = {
    {"square, y down", 200, 200, 1, 0, 0, 100, 100},
    {"profile frame", 317, 211, 1, -10, -40, 110, 110},
    {"y up", 240, 160, 1, 0, 100, 100, 0},
    {"degrees west, x reversed", 300, 180, 1, 72, 44, 64.5, 36.6},
    {"listing rows", 390, 120, 1, 1, 1, 50, 8},
    {"hidpi 1.5", 201, 133, 1.5, -10, -40, 110, 110},
    {"hidpi 2, tiny units", 150, 90, 2, 0, 0, 0.001, 0.0007},
};

// A drawing call placed by fractions of the user rectangle.
using Shape = std::function<void(ImageSurface&, const Mapping&)>;

double ux(const Mapping& m, double t) { return m.x1 + t * (m.x2 - m.x1); }
double uy(const Mapping& m, double t) { return m.y1 + t * (m.y2 - m.y1); }

std::vector<std::pair<std::string, Shape>> shapes() {
    std::vector<std::pair<std::string, Shape>> out;
    for (int deg = 0; deg < 360; deg += 7) {
        const double a = deg * M_PI / 180, len = deg % 2 ? 0.37 : 0.8;  // some reach outside
        out.push_back({"line " + std::to_string(deg), [=](ImageSurface& s, const Mapping& m) {
                           s.Line(ux(m, 0.513), uy(m, 0.487), ux(m, 0.513 + len * std::cos(a)),
                                  uy(m, 0.487 + len * std::sin(a)));
                       }});
    }
    for (double t : {0.0, 0.1234, 0.5, 0.77777, 0.999})
        out.push_back({"point " + std::to_string(t), [=](ImageSurface& s, const Mapping& m) {
                           s.Line(ux(m, t), uy(m, 0.9995 - t), ux(m, t), uy(m, 0.9995 - t));
                       }});
    for (int style : {kDrawDash, kDrawDot, kDrawDashDot})
        out.push_back({"style " + std::to_string(style), [=](ImageSurface& s, const Mapping& m) {
                           s.DrawStyle(style);
                           s.Line(ux(m, 0.05), uy(m, 0.9), ux(m, 0.93), uy(m, 0.13));
                           s.DrawStyle(kDrawSolid);
                       }});
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

// Drawing the same call again in BackColor leaves no pixel, and drawing it
// once more covers exactly the same pixels as the first time.
TEST(ImageSurfaceErase, OverdrawInBackColorRemovesEveryShape) {
    const auto all = shapes();
    for (const Mapping& m : kMappings) {
        SCOPED_TRACE(m.name);
        ImageSurface s(m.width, m.height, m.dpr, kBack);
        s.Scale(m.x1, m.y1, m.x2, m.y2);
        for (const auto& [name, draw] : all) {
            SCOPED_TRACE(name);
            s.ForeColor(kRed);
            s.FillColor(rgb(0, 0, 255));
            draw(s, m);
            const QImage first = s.image().copy();
            ASSERT_GT(ink(first), 0);
            s.ForeColor(kBack);
            s.FillColor(kBack);
            draw(s, m);
            ASSERT_EQ(ink(s.image()), 0);
            s.ForeColor(kRed);
            s.FillColor(rgb(0, 0, 255));
            draw(s, m);
            ASSERT_EQ(s.image(), first) << "a second drawing covers the same pixels";
            s.Cls();
        }
    }
}

TEST(ImageSurfaceLine, SegmentsReachingOutsideAreClippedNotRejected) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* name;
        double x1, y1, x2, y2;
        QRect box;  // expected ink, device pixels
        int count;
    };
    // 200 × 100 pixels for (0, 0)-(100, 100): 2 px per unit across, 1 down.
    const Row rows[] = {
        {"a point", 10.3, 20.7, 10.3, 20.7, QRect(20, 20, 1, 1), 1},
        {"horizontal, both ends far out", -1e6, 50.5, 1e6, 50.5, QRect(0, 50, 200, 1), 200},
        {"vertical, both ends far out", 30.25, -1e7, 30.25, 1e7, QRect(60, 0, 1, 100), 100},
        {"ends beyond 1e300", -1e300, 20, 1e300, 20, QRect(0, 20, 200, 1), 200},
        {"diagonal through two corners", -1e5, -1e5, 1e5, 1e5, QRect(0, 0, 200, 100), 200},
        {"entirely outside", -10, -10, -5, 200, QRect(), 0},
        {"not a number", nan, 10, 50, 50, QRect(), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ImageSurface s(200, 100, 1, kBack);
        s.Scale(0, 0, 100, 100);
        s.Line(row.x1, row.y1, row.x2, row.y2);
        EXPECT_EQ(ink_box(s.image()), row.box);
        EXPECT_EQ(ink(s.image()), row.count);
    }
}

TEST(ImageSurfaceLine, ClippedSlantedSegmentKeepsItsCourse) {
    ImageSurface s(200, 100, 1, kBack);
    s.Scale(0, 0, 100, 100);
    s.Line(-50, 0, 50, 100);  // device (-100, 0)-(100, 100): enters at (0, 50)
    EXPECT_EQ(ink_box(s.image()), QRect(0, 50, 100, 50));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (s.image().pixel(x, y) != q(kBack)) {
                EXPECT_LE(std::abs((x + 0.5) - 2 * (y + 0.5) + 100) / std::sqrt(5.0), 1.5) << x << "," << y;
            }
}

TEST(ImageSurfaceCircle, StaysRoundOnANonSquareMapping) {
    ImageSurface s(200, 200, 1, kBack);
    s.Scale(0, 0, 100, 50);  // 2 px per unit across, 4 down
    s.Circle(50, 25, 10);    // radius in x units: 20 px
    EXPECT_EQ(ink_box(s.image()), QRect(80, 80, 41, 41));
}

TEST(ImageSurfaceCircle, SolidFillInBackColorBlanksTheDiscInsideTheOutline) {
    struct Row {
        const char* name;
        int fill_style;
        Color inside;
    };
    const Row rows[] = {{"solid", kFillSolid, kBack}, {"transparent", kFillTransparent, kRed}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ImageSurface s(100, 100, 1, kBack);
        s.Scale(0, 0, 100, 100);
        s.FillStyle(kFillSolid);
        s.FillColor(kRed);
        s.ForeColor(kRed);
        s.LineBox(10, 10, 90, 90);  // a red square under the circle
        s.FillStyle(row.fill_style);
        s.FillColor(kBack);
        s.ForeColor(kBlack);
        s.Circle(50, 50, 30);
        const QImage& img = s.image();
        for (auto [x, y] : {std::pair{20, 50}, {80, 50}, {50, 20}, {50, 80}})
            EXPECT_EQ(img.pixel(x, y), q(kBlack)) << "outline at " << x << "," << y;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (std::hypot(x - 50, y - 50) < 28.5) {
                    ASSERT_EQ(img.pixel(x, y), q(row.inside)) << x << "," << y;
                }
        EXPECT_EQ(img.pixel(12, 12), q(kRed)) << "outside the circle";
    }
}

TEST(ImageSurfaceBox, SolidBoxInBackColorBlanksAListingRow) {
    ImageSurface s(390, 120, 1, rgb(255, 255, 255));
    s.Scale(1, 1, 50, 8);
    s.CurrentX(2);
    s.CurrentY(3);
    s.Print("  12.00   7.123  32.456");
    ASSERT_GT(ink(s.image(), rgb(255, 255, 255)), 0);
    s.FillStyle(kFillSolid);
    s.ForeColor(rgb(255, 255, 255));
    s.FillColor(rgb(255, 255, 255));
    s.LineBox(1, 2.9, 50, 3.7);
    EXPECT_EQ(ink(s.image(), rgb(255, 255, 255)), 0);
}

TEST(ImageSurfacePrint, TextStartsAtCurrentPositionAtAnyPixelRatio) {
    struct Row {
        const char* name;
        double dpr;
        bool underline;
        std::string text;
    };
    const Row rows[] = {
        {"normal", 1, false, "HH"}, {"hidpi", 2, false, "HH"}, {"underlined", 1, true, "HH"}, {"empty", 1, false, ""}};
    QRect boxes[4];
    for (int i = 0; i < 4; ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(row.name);
        ImageSurface s(200, 100, row.dpr, kBack);
        s.Scale(0, 0, 100, 100);
        s.CurrentX(20);
        s.CurrentY(30);
        s.FontUnderline(row.underline);
        s.Print(row.text);
        boxes[i] = ink_box(s.image());
        if (row.text.empty()) {
            EXPECT_TRUE(boxes[i].isEmpty());
            continue;
        }
        const double x0 = 40 * row.dpr, y0 = 30 * row.dpr;
        EXPECT_GE(boxes[i].left(), x0);
        EXPECT_LE(boxes[i].left(), x0 + 3 * row.dpr);
        EXPECT_GE(boxes[i].top(), y0);
        EXPECT_LE(boxes[i].top(), y0 + 6 * row.dpr);
    }
    EXPECT_NEAR(boxes[1].height(), 2.0 * boxes[0].height(), 0.25 * boxes[0].height()) << "sharp on hidpi";
    EXPECT_GT(boxes[2].bottom(), boxes[0].bottom()) << "underline below the letters";
}

TEST(ImageSurfaceClear, ClsAndBackColorLeaveOnlyTheBackground) {
    ImageSurface s(80, 60, 1, kBack);
    s.Line(0, 0, 80, 60);
    s.Cls();
    EXPECT_EQ(ink(s.image()), 0);
    s.Line(0, 0, 80, 60);
    s.BackColor(rgb(255, 255, 255));
    EXPECT_EQ(ink(s.image(), rgb(255, 255, 255)), 0);
}

TEST(ImageSurfaceResize, TheUserRectangleMapsOntoTheNewImage) {
    ImageSurface s(100, 50, 1, kBack);
    s.Scale(-10, -40, 110, 110);
    s.Line(-10, 35, 110, 35);  // half-way down
    s.resize(300, 120, 2);
    EXPECT_EQ(ink(s.image()), 0) << "the old drawing is dropped";
    EXPECT_EQ(s.image().size(), QSize(600, 240));
    s.Line(-10, 35, 110, 35);
    EXPECT_EQ(ink_box(s.image()), QRect(0, 120, 600, 1));
    const QPointF centre = s.to_user(QPointF(150, 60));  // a mouse position, logical pixels
    EXPECT_DOUBLE_EQ(centre.x(), 50);
    EXPECT_DOUBLE_EQ(centre.y(), 35);
}

TEST(ImageSurfaceResize, EmptySizesAndDegenerateScalesAreSafe) {
    ImageSurface s(0, 0, 0, kBack);
    EXPECT_EQ(s.image().size(), QSize(1, 1));
    s.Scale(0, 0, 0, 0);  // ignored: the mapping stays finite
    s.Line(0, 0, 1, 1);
    s.Circle(0, 0, 5);
    s.Print("x");
    EXPECT_NE(s.image().pixel(0, 0), q(kBack));
}

}  // namespace
