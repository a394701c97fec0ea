#include "surface/pdf_surface.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <ranges>
#include <regex>
#include <string>

namespace {

// Runs a poppler tool with `pdf` before the other arguments; its standard output, or "" when it failed.
std::string run(const QString& program, const std::string& pdf, QStringList args) {
    QProcess p;
    p.start(program, QStringList{QString::fromStdString(pdf)} << args);
    const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return ok ? p.readAllStandardOutput().toStdString() : std::string();
}

// The first page in grey at `dpi` dots per inch.
QImage render(const std::string& pdf, int dpi) {
    run("pdftoppm", pdf, {"-gray", "-singlefile", "-r", QString::number(dpi), QString::fromStdString(pdf)});
    return QImage(QString::fromStdString(pdf) + ".pgm").convertToFormat(QImage::Format_Grayscale8);
}

// The bounding box of the pixels darker than `threshold`.
QRect dark_box(const QImage& img, int threshold) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < threshold) box |= QRect(x, y, 1, 1);
    return box;
}

struct PdfSurfaceTest : ::testing::Test {
    std::string path(const QString& name) const { return dir_.filePath(name).toStdString(); }
    QTemporaryDir dir_;
};

// An existing report is replaced by a complete job only. Each NewPage starts
// a page, the text is real text, and the next job starts with the next drawing
// after EndDoc; an empty job still gives one page.
TEST_F(PdfSurfaceTest, EachJobReplacesTheFileWithItsPagesAtEndDoc) {
    const std::string out = path("report.pdf");
    std::ofstream(out) << "an older report";
    PdfSurface(out).Line(0, 0, 1, 1);  // dropped unfinished
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(std::ifstream(out).rdbuf()), {}), "an older report");
    PdfSurface s(out);
    s.Print("Cast Positions"), s.NewPage(), s.Print("Cast #:      002"), s.NewPage(), s.EndDoc();
    ASSERT_TRUE(s.job_ok());
    const std::string pages = run("pdftotext", out, {"-"});
    EXPECT_TRUE(std::regex_match(pages, std::regex("Cast Positions\\s*\f[^\f]*002\\s*\f\\s*\f"))) << pages;
    s.Line(0, 0, 1, 1);
    EXPECT_FALSE(s.job_ok()) << "the second job is still open";
    s.EndDoc();
    EXPECT_TRUE(std::regex_match(run("pdftotext", out, {"-"}), std::regex("\\s*\f")));
}

// Scale maps onto the page inside its margins, here with both axes running
// backwards as on the station plot; what lies far outside is clipped there, not
// rejected.
TEST_F(PdfSurfaceTest, ScaleCoversThePrintableAreaAndClipsFarOutside) {
    const std::string out = path("scale.pdf");
    PdfSurface s(out, QPageSize(QPageSize::A4));
    s.Scale(72, 44, 64.5, 36.6), s.LineBox(72, 44, 64.5, 36.6), s.FillStyle(kFillSolid);
    s.Circle(70.125, 42.52, 0.075);   // a quarter across, a fifth down
    s.Line(68, 39.56, 1e300, 39.56);  // from the middle far out west, 0.6 down
    s.Circle(68, 40, 1e300);
    s.CurrentX(-1e300), s.CurrentY(40), s.Print("far");
    s.EndDoc();
    const QImage img = render(out, 72);  // one pixel per point
    // 10 mm margins are 28.35 points.
    const double margin = 28.35, w = 595.28 - 2 * margin, h = 841.89 - 2 * margin;
    const QRectF frame = dark_box(img, 220);
    EXPECT_LE((frame.topLeft() - QPointF(margin, margin)).manhattanLength() +
                  (frame.bottomRight() - QPointF(margin + w + 1, margin + h + 1)).manhattanLength(),
              5);
    // The dot: the darkest pixels away from the frame, above the far line.
    const QPointF dot = QRectF(dark_box(img.copy(40, 40, img.width() - 80, 300), 64)).center() + QPointF(40, 40);
    EXPECT_LE((dot - QPointF(margin + 0.25 * w, margin + 0.2 * h)).manhattanLength(), 3);
    EXPECT_FALSE(dark_box(img.copy(50, int(margin + 0.6 * h) - 2, 10, 5), 240).isEmpty()) << "the far line";
}

// On a landscape page an image fills its rectangle (here the left half, red
// above blue) and a polygon its outline (a green triangle at the right).
TEST_F(PdfSurfaceTest, LandscapeImagesAndPolygons) {
    const std::string out = path("section.pdf");
    PdfSurface s(out, QPageSize(QPageSize::A4), PdfSurface::default_font(), QPageLayout::Landscape);
    s.Scale(0, 0, 100, 100);
    s.Image(RgbImage{1, 2, {rgb(255, 0, 0), rgb(0, 0, 255)}}, 0, 0, 50, 100);
    s.FillPolygon({{60, 10}, {100, 10}, {100, 90}}, rgb(0, 255, 0));
    s.EndDoc();
    ASSERT_TRUE(s.job_ok());
    run("pdftoppm", out, {"-singlefile", "-r", "20", QString::fromStdString(out)});
    const QImage img(QString::fromStdString(out) + ".ppm");
    ASSERT_GT(img.width(), img.height());
    const QRectF area(img.width() * 10 / 297.0, img.height() * 10 / 210.0, img.width() * 277 / 297.0,
                      img.height() * 190 / 210.0);
    const auto at = [&](double x, double y) {
        return img.pixelColor(int(area.left() + x / 100 * area.width()), int(area.top() + y / 100 * area.height()));
    };
    EXPECT_EQ(at(25, 25), QColor(255, 0, 0));
    EXPECT_EQ(at(25, 75), QColor(0, 0, 255));
    EXPECT_EQ(at(95, 30), QColor(0, 255, 0));
    EXPECT_EQ(at(65, 80), QColor(255, 255, 255)) << "left of the triangle's slope";
}

// A profile is drawn as many short segments, each shorter than one dash; the
// pattern must run on across them for the curves to stay apart on paper. The
// page looks the same whether joined segments are stroked as one path or each
// alone (an empty Print between them ends the path), and the file is smaller.
TEST_F(PdfSurfaceTest, JoinedSegmentsLookAsWhenStrokedOneByOne) {
    // clang-format off
    struct Row { const char* name; int style, min_runs, max_runs; };  // marks along the straight curve
    const Row rows[] = {{"solid", kDrawSolid, 1, 1}, {"dash", kDrawDash, 40, 80},
                        {"dot", kDrawDot, 120, 240}, {"dash-dot", kDrawDashDot, 70, 130}};  // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QImage img[2];
        qint64 size[2] = {};
        for (int alone = 0; alone < 2; ++alone) {
            const std::string out = path(alone ? "alone.pdf" : "joined.pdf");
            PdfSurface s(out, QPageSize(QPageSize::A4));
            s.Scale(0, 0, 100, 100), s.DrawStyle(row.style);
            const auto line = [&](double x1, double y1, double x2, double y2) {
                s.Line(x1, y1, x2, y2), alone ? s.Print("") : void();
            };
            line(0, 50, 0, 50);
            for (int i = 0; i < 400; ++i) line(i * 0.25, 50, (i + 1) * 0.25, 50);
            // A zig-zag with gaps, turning white and back, changing style once, ending far out.
            const auto x = [](int j) { return 20 + (j % 17) * 2.0; };
            for (int j = 1; j <= 400; ++j) {
                if (j % 50 == 0) s.ForeColor(j % 100 ? rgb(255, 255, 255) : 0);
                if (j == 225) s.DrawStyle((row.style + 1) % 4);
                if (j % 100 > 1) line(x(j - 1), 55 + j * 0.1, x(j), 55.1 + j * 0.1);
            }
            line(x(400), 95, 1e300, 95);
            s.EndDoc();
            img[alone] = render(out, 150);
            size[alone] = QFileInfo(QString::fromStdString(out)).size();
        }
        EXPECT_LT(size[0], size[1] * 9 / 10);
        ASSERT_EQ(img[0].size(), img[1].size());
        const auto grey = [&img](int i, int x, int y) { return int(img[i].constScanLine(y)[x]); };
        int differ = 0, runs = 0;  // pixels far apart; antialiasing at the joins shifts a few a little
        for (int y = 0; y < img[0].height(); ++y)
            for (int x = 0; x < img[0].width(); ++x) differ += std::abs(grey(0, x, y) - grey(1, x, y)) > 160;
        EXPECT_LE(differ, 10);
        // Marks on the straight curve: where any of the rows about it turns dark.
        const int mid = int(std::lround(img[0].height() / 2.0));
        const auto dark = [&](int x) {
            return std::ranges::any_of(std::views::iota(mid - 3, mid + 4), [&](int y) { return grey(0, x, y) < 230; });
        };
        for (int x = 1; x < img[0].width(); ++x) runs += dark(x) && !dark(x - 1);
        EXPECT_TRUE(runs >= row.min_runs && runs <= row.max_runs) << runs;
    }
}

}  // namespace
