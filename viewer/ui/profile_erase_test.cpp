#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "surface/image_surface.h"
#include "testing/fake_windows.h"
#include "ui/profile_plot.h"

namespace {

class ImageProfileWindow : public ProfileWindow {
public:
    ImageProfileWindow(int w, int h, double dpr) : plot(w, h, dpr, rgb(192, 255, 255), 0) {}
    ImageSurface plot;
    PlotSurface& surface() override { return plot; }
    void Caption(const std::string&) override {}
    void status(const std::string&) override {}
};

// A cast whose four profiles wander across each other, over the axis ticks and
// out of the plot on every side and back.
void put_wandering_cast(CruiseData& d, int c) {
    const int n = 400;
    d.npts[c] = n;
    for (int k = 1; k <= n; ++k) {
        const double t = k / double(n);
        d.castdat(c, k, kDepth) = 3 + 112 * t;  // from the first point to below the plot
        d.castdat(c, k, kTemp) = 12 + 11 * std::sin(31 * t);
        d.castdat(c, k, kSalt) = 33.5 + 2.7 * std::sin(17 * t + 1);
        d.castdat(c, k, kFluor) = 0.1 + 2.4 * (1 + std::cos(23 * t));
        d.castdat(c, k, kSigma) = 25.5 + 2.6 * std::sin(7 * t + 2);
    }
}

TEST(ProfileErase, LeavesOnlyTheFrame) {
    struct Row {
        const char* name;
        int width, height;
        double dpr;
    };
    const Row rows[] = {
        {"start-up size", 418, 288, 1},  // 6270 x 4320 twips at 15 twips per pixel
        {"small", 121, 77, 1}, {"HiDPI", 418, 288, 2}, {"fractional ratio", 333, 217, 1.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeViewer f;
        ImageProfileWindow window(row.width, row.height, row.dpr);
        Viewer v{f.d, window, f.Stations, f.lister, f.info, f.filemsg, f.limitbox, f.printer, f.alerts, {}, {}};
        setup(v);
        put_wandering_cast(f.d, 1);
        f.d.curcast = 1, f.d.ncast = 1;
        drawaxes(v);
        const QImage frame = window.plot.image().copy();
        drawcast(v, 1);
        ASSERT_NE(window.plot.image(), frame) << "the profiles drew nothing";
        drawcast(v, -1);
        // Every pixel is the frame's or the background's.
        const QImage& after = window.plot.image();
        const QRgb back = frame.pixel(frame.width() - 1, frame.height() - 1);
        int stray = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                stray += after.pixel(x, y) != frame.pixel(x, y) && after.pixel(x, y) != back;
        EXPECT_EQ(stray, 0);
    }
}

}  // namespace
