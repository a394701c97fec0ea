#include "surface/pdf_surface.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <utility>

namespace {

// Runs a poppler tool; its standard output, or "" when it failed.
std::string run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return p.readAllStandardOutput().toStdString();
}

bool has_text(const std::string& pdf, const std::string& text, int page = 1) {
    const QString n = QString::number(page);
    return run("pdftotext", {"-f", n, "-l", n, QString::fromStdString(pdf), "-"}).find(text) != std::string::npos;
}

// What pdfinfo says of the file ("Pages: 3", "Page size: 595 x 842 pts"), blanks collapsed.
std::string info(const std::string& pdf) {
    return std::regex_replace(run("pdfinfo", {QString::fromStdString(pdf)}), std::regex(" +"), " ");
}

// The page rendered in grey at `dpi`, and the bounding box of its pixels darker than `threshold`.
QImage render(const std::string& pdf, int dpi) {
    const QString prefix = QString::fromStdString(pdf) + "-render";
    run("pdftoppm", {"-gray", "-singlefile", "-r", QString::number(dpi), QString::fromStdString(pdf), prefix});
    return QImage(prefix + ".pgm").convertToFormat(QImage::Format_Grayscale8);
}

QRect dark_box(const QImage& img, int threshold) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < threshold) box |= QRect(x, y, 1, 1);
    return box;
}

class PdfSurfaceTest : public ::testing::Test {
protected:
    std::string path(const QString& name) const { return dir_.filePath(name).toStdString(); }
    QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir dir_;
};

// An existing report is replaced by a complete job only, and no temporary file
// stays. Each NewPage starts a page, the text is real text, and the next job
// starts with the next drawing after EndDoc; an empty job still gives one page.
TEST_F(PdfSurfaceTest, EachJobReplacesTheFileWithItsPagesAtEndDoc) {
    const std::string out = path("report.pdf");
    std::ofstream(out) << "an older report";
    {
        PdfSurface unfinished(out);
        unfinished.Line(0, 0, 1, 1);
        unfinished.NewPage();
    }
    std::ifstream older(out);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(older), {}), "an older report");
    PdfSurface s(out, QPageSize(QPageSize::Letter));
    s.Print("Cast Positions");
    s.NewPage();
    s.Print("Cast #:      002");
    s.NewPage();
    EXPECT_FALSE(s.job_ok()) << "no job has ended yet";
    s.EndDoc();
    ASSERT_TRUE(s.job_ok());
    EXPECT_NE(info(out).find("Pages: 3\n"), std::string::npos);
    EXPECT_NE(info(out).find("612 x 792 pts"), std::string::npos);
    EXPECT_TRUE(has_text(out, "Cast Positions", 1) && has_text(out, "002", 2));
    EXPECT_FALSE(has_text(out, "Cast", 3));
    s.Line(0, 0, 1, 1);
    EXPECT_FALSE(s.job_ok()) << "the second job is still open";
    s.EndDoc();
    EXPECT_NE(info(out).find("Pages: 1\n"), std::string::npos);
    EXPECT_FALSE(has_text(out, "Cast"));
    EXPECT_EQ(files(), QStringList{"report.pdf"});
}

TEST_F(PdfSurfaceTest, AFileThatCannotBeWrittenIsReportedNotThrown) {
    std::ofstream(path("plain-file")) << "x";
    const std::string targets[] = {path("no-such-folder/report.pdf"), path("plain-file/report.pdf"),
                                   dir_.path().toStdString(), ""};
    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        PdfSurface s(target);
        s.Line(0, 0, 1, 1);
        s.Print("text");
        EXPECT_NO_THROW(s.EndDoc());
        std::string why;
        EXPECT_FALSE(s.job_ok(&why));
        EXPECT_FALSE(why.empty());
        EXPECT_NE(why.find(target), std::string::npos) << why;
    }
    EXPECT_EQ(files(), QStringList{"plain-file"});
}

// Scale maps onto the page inside its margins, here with both axes running
// backwards as on the station plot; what lies far outside is clipped there, not
// rejected.
TEST_F(PdfSurfaceTest, ScaleCoversThePrintableAreaAndClipsFarOutside) {
    const std::string out = path("scale.pdf");
    PdfSurface s(out, QPageSize(QPageSize::A4));
    s.Scale(72, 44, 64.5, 36.6);
    s.LineBox(72, 44, 64.5, 36.6);
    s.FillStyle(kFillSolid);
    s.Circle(70.125, 42.52, 0.075);  // a quarter across, a fifth down
    s.Line(68, 39.56, 1e300, 39.56);  // from the middle far out west, 0.6 down
    s.Circle(68, 40, 1e300);
    s.CurrentX(-1e300), s.CurrentY(40);
    s.Print("far");
    s.EndDoc();
    ASSERT_TRUE(s.job_ok());
    const QImage img = render(out, 72);
    ASSERT_FALSE(img.isNull());
    // A4 at 72 dpi: one pixel per point; 10 mm margins are 28.35 points.
    const double margin = 28.35, w = 595.28 - 2 * margin, h = 841.89 - 2 * margin;
    const QRect frame = dark_box(img, 220);
    for (auto [edge, want] : {std::pair{frame.left(), margin}, {frame.top(), margin}, {frame.right(), margin + w},
                              {frame.bottom(), margin + h}})
        EXPECT_NEAR(edge, want, 1.5);
    // The dot: the darkest pixels away from the frame, above the far line.
    const QPoint dot = dark_box(img.copy(40, 40, img.width() - 80, 300), 64).center();
    EXPECT_NEAR(dot.x() + 40, margin + 0.25 * w, 2);
    EXPECT_NEAR(dot.y() + 40, margin + 0.2 * h, 2);
    EXPECT_FALSE(dark_box(img.copy(50, int(margin + 0.6 * h) - 2, 10, 5), 240).isEmpty()) << "the far line";
}

// A profile is drawn as many short segments, each shorter than one dash; the
// pattern must run on across them for the curves to stay apart on paper. The
// page looks the same whether joined segments are stroked as one path or each
// alone (an empty Print between them ends the path), and the file is smaller.
TEST_F(PdfSurfaceTest, JoinedSegmentsLookAsWhenStrokedOneByOne) {
    struct Row {
        const char* name;
        int style, min_runs, max_runs;  // separate marks along the straight curve
    };
    const Row rows[] = {{"solid", kDrawSolid, 1, 1}, {"dash", kDrawDash, 40, 80},
                        {"dot", kDrawDot, 120, 240}, {"dash-dot", kDrawDashDot, 70, 130}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (int alone = 0; alone < 2; ++alone) {
            PdfSurface s(path(alone ? "alone.pdf" : "joined.pdf"), QPageSize(QPageSize::A4));
            s.Scale(0, 0, 100, 100);
            s.DrawStyle(row.style);
            const auto line = [&](double x1, double y1, double x2, double y2) {
                s.Line(x1, y1, x2, y2);
                if (alone) s.Print("");
            };
            line(0, 50, 0, 50);
            for (int i = 0; i < 400; ++i) line(i * 0.25, 50, (i + 1) * 0.25, 50);
            // A zig-zag with gaps, turning white and back every 50 samples,
            // changing style once, ending far out.
            const auto x = [](int j) { return 20 + (j % 17) * 2.0; };
            for (int j = 1; j <= 400; ++j) {
                if (j % 50 == 0) s.ForeColor(j % 100 ? rgb(255, 255, 255) : 0);
                if (j == 225) s.DrawStyle((row.style + 1) % 4);
                if (j % 100 > 1) line(x(j - 1), 55 + j * 0.1, x(j), 55.1 + j * 0.1);
            }
            line(x(400), 95, 1e300, 95);
            s.CurrentX(10), s.CurrentY(20);
            s.Print("   Depth    Temp");
            s.EndDoc();
        }
        const auto text = [&](const char* name) { return run("pdftotext", {"-layout", dir_.filePath(name), "-"}); };
        EXPECT_EQ(text("joined.pdf"), text("alone.pdf"));
        EXPECT_LT(QFileInfo(dir_.filePath("joined.pdf")).size(), QFileInfo(dir_.filePath("alone.pdf")).size() * 9 / 10);
        const QImage joined = render(path("joined.pdf"), 150), alone = render(path("alone.pdf"), 150);
        ASSERT_EQ(joined.size(), alone.size());
        int differ = 0;
        for (int y = 0; y < joined.height(); ++y)
            for (int x = 0; x < joined.width(); ++x)
                differ += std::abs(joined.constScanLine(y)[x] - alone.constScanLine(y)[x]) > 160;
        EXPECT_LE(differ, 10) << "pixels far apart; antialiasing at the joins shifts a few a little";
        const int mid = int(std::lround(joined.height() / 2.0));
        int runs = 0;
        bool inside = false;
        for (int x = 0; x < joined.width(); ++x) {
            int darkest = 255;
            for (int y = mid - 3; y <= mid + 3; ++y) darkest = std::min(darkest, int(joined.constScanLine(y)[x]));
            runs += darkest < 230 && !inside;
            inside = darkest < 230;
        }
        EXPECT_GE(runs, row.min_runs);
        EXPECT_LE(runs, row.max_runs);
    }
}

}  // namespace
