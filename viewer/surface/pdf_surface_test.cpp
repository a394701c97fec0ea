#include "surface/pdf_surface.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Runs a poppler tool; its standard output, or "" when it failed.
std::string run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return p.readAllStandardOutput().toStdString();
}

std::string text_of(const std::string& pdf, int page = 0) {
    QStringList args;
    if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
    return run("pdftotext", args << QString::fromStdString(pdf) << "-");
}

int pages_of(const std::string& pdf) {
    const std::string info = run("pdfinfo", {QString::fromStdString(pdf)});
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

QImage render(const std::string& pdf, int dpi) {
    const QString prefix = QString::fromStdString(pdf) + "-render";
    run("pdftoppm", {"-png", "-singlefile", "-r", QString::number(dpi), QString::fromStdString(pdf), prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_Grayscale8);
}

QRect dark_box(const QImage& img, int threshold = 128) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < threshold) box |= QRect(x, y, 1, 1);
    return box;
}

std::string read_file(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

void write_file(const std::string& path, const std::string& bytes) {
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
}

class PdfSurfaceTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }
    QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
    QTemporaryDir dir_;
};

TEST_F(PdfSurfaceTest, WritesAPdfWithRealTextOnTheChosenPaper) {
    struct Row {
        const char* name;
        QPageSize::PageSizeId page;
        const char* size;  // as pdfinfo reports it, points
    };
    const Row rows[] = {{"A4", QPageSize::A4, "595 x 842 pts"}, {"Letter", QPageSize::Letter, "612 x 792 pts"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string out = path(std::string(row.name) + ".pdf");
        PdfSurface s(out, QPageSize(row.page));
        s.Scale(72, 44, 64.5, 36.6);
        s.FillStyle(kFillSolid);
        s.Circle(68, 40, 0.048);
        s.Line(71, 42.5, 65.5, 42.5);
        s.CurrentX(69);
        s.CurrentY(39.8);
        s.Print("Cast Positions");
        s.EndDoc();
        std::string why;
        EXPECT_TRUE(s.job_ok(&why)) << why;
        EXPECT_TRUE(read_file(out).starts_with("%PDF"));
        EXPECT_EQ(pages_of(out), 1);
        EXPECT_NE(text_of(out).find("Cast Positions"), std::string::npos);
        EXPECT_NE(run("pdfinfo", {QString::fromStdString(out)}).find(row.size), std::string::npos);
    }
}

TEST_F(PdfSurfaceTest, EachNewPageAddsAPageAndAnEmptyJobStillHasOne) {
    for (int breaks : {0, 1, 2}) {
        SCOPED_TRACE(breaks);
        const std::string out = path("pages.pdf");
        PdfSurface s(out);
        EXPECT_FALSE(s.job_ok()) << "no job has ended yet";
        for (int page = 1; page <= breaks; ++page) {
            s.Print("Cast #:      00" + std::to_string(page));
            s.NewPage();
        }
        s.EndDoc();
        ASSERT_TRUE(s.job_ok());
        EXPECT_EQ(pages_of(out), breaks + 1);
        if (breaks > 0) {
            EXPECT_NE(text_of(out, breaks).find("00" + std::to_string(breaks)), std::string::npos);
            EXPECT_EQ(text_of(out, breaks + 1).find("00"), std::string::npos);
        }
    }
}

// An existing report is replaced by a complete job only; no temporary file stays.
TEST_F(PdfSurfaceTest, ReplacesAnExistingFileOnlyAtEndDoc) {
    const std::string out = path("report.pdf");
    write_file(out, "an older report");
    {
        PdfSurface unfinished(out);
        unfinished.Line(0, 0, 1, 1);
        unfinished.NewPage();
    }
    EXPECT_EQ(read_file(out), "an older report");
    PdfSurface s(out);
    s.Print("new report");
    s.EndDoc();
    ASSERT_TRUE(s.job_ok());
    EXPECT_TRUE(read_file(out).starts_with("%PDF"));
    EXPECT_NE(text_of(out).find("new report"), std::string::npos);
    EXPECT_EQ(files(), QStringList{"report.pdf"});
}

TEST_F(PdfSurfaceTest, DrawingAfterEndDocStartsAFreshJob) {
    const std::string out = path("again.pdf");
    PdfSurface s(out);
    s.Print("first");
    s.EndDoc();
    s.Print("second");
    EXPECT_FALSE(s.job_ok()) << "the second job is still open";
    s.EndDoc();
    ASSERT_TRUE(s.job_ok());
    EXPECT_EQ(pages_of(out), 1);
    const std::string text = text_of(out);
    EXPECT_EQ(text.find("first"), std::string::npos);
    EXPECT_NE(text.find("second"), std::string::npos);
}

TEST_F(PdfSurfaceTest, AFileThatCannotBeWrittenIsReportedNotThrown) {
    write_file(path("plain-file"), "x");
    struct Row {
        const char* name;
        std::string target;
    };
    const Row rows[] = {
        {"missing folder", path("no-such-folder/report.pdf")},
        {"parent is a file", path("plain-file/report.pdf")},
        {"target is a folder", dir_.path().toStdString()},
        {"empty path", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PdfSurface s(row.target);
        s.Scale(0, 0, 100, 100);
        s.Line(0, 0, 100, 100);
        s.Print("text");
        EXPECT_NO_THROW(s.EndDoc());
        std::string why;
        EXPECT_FALSE(s.job_ok(&why));
        EXPECT_FALSE(why.empty());
        EXPECT_NE(why.find(row.target), std::string::npos) << why;
    }
    EXPECT_EQ(files(), QStringList{"plain-file"});
}

TEST_F(PdfSurfaceTest, ScaleCoversThePrintableAreaInEitherDirection) {
    struct Row {
        const char* name;
        double x1, y1, x2, y2;
        double dot_x, dot_y;  // a quarter across, a fifth down the page
    };
    const Row rows[] = {
        {"y down", 0, 0, 100, 100, 25, 20},
        {"y up", 0, 100, 100, 0, 25, 80},
        {"x reversed", 72, 44, 64.5, 36.6, 70.125, 42.52},
    };
    // A4 at 72 dpi: one pixel per point; 10 mm margins are 28.35 points.
    const double margin = 28.35, w = 595.28 - 2 * margin, h = 841.89 - 2 * margin;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string out = path("scale.pdf");
        PdfSurface s(out, QPageSize(QPageSize::A4));
        s.Scale(row.x1, row.y1, row.x2, row.y2);
        s.LineBox(row.x1, row.y1, row.x2, row.y2);
        s.FillStyle(kFillSolid);
        s.Circle(row.dot_x, row.dot_y, std::abs(row.x2 - row.x1) / 100);
        s.EndDoc();
        ASSERT_TRUE(s.job_ok());
        const QImage img = render(out, 72);
        ASSERT_FALSE(img.isNull());
        const QRect frame = dark_box(img, 220);
        EXPECT_NEAR(frame.left(), margin, 1.5);
        EXPECT_NEAR(frame.top(), margin, 1.5);
        EXPECT_NEAR(frame.right(), margin + w, 1.5);
        EXPECT_NEAR(frame.bottom(), margin + h, 1.5);
        // The dot: the darkest pixels away from the frame.
        const QRect inner = dark_box(img.copy(QRect(40, 40, img.width() - 80, img.height() - 80)), 64)
                                .translated(40, 40);
        EXPECT_NEAR(inner.center().x(), margin + 0.25 * w, 2);
        EXPECT_NEAR(inner.center().y(), margin + 0.2 * h, 2);
    }
}

// A profile is drawn as many short segments, each shorter than one dash; the
// pattern must run on across them for the curves to stay apart on paper.
TEST_F(PdfSurfaceTest, APatternRunsOnAcrossJoinedShortSegments) {
    struct Row {
        const char* name;
        int style;
        int min_runs, max_runs;  // separate marks along the curve
    };
    const Row rows[] = {
        {"solid", kDrawSolid, 1, 1},
        {"dash", kDrawDash, 40, 80},
        {"dot", kDrawDot, 120, 240},
        {"dash-dot", kDrawDashDot, 70, 130},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string out = path("styles.pdf");
        PdfSurface s(out, QPageSize(QPageSize::A4));
        s.Scale(0, 0, 100, 100);
        s.DrawStyle(row.style);
        s.Line(0, 50, 0, 50);
        for (int i = 0; i < 400; ++i) s.Line(i * 0.25, 50, (i + 1) * 0.25, 50);
        s.EndDoc();
        ASSERT_TRUE(s.job_ok());
        const QImage img = render(out, 150);
        ASSERT_FALSE(img.isNull());
        const int mid = int(std::lround(img.height() / 2.0));
        int runs = 0;
        bool inside = false;
        for (int x = 0; x < img.width(); ++x) {
            int darkest = 255;
            for (int y = mid - 3; y <= mid + 3; ++y) darkest = std::min(darkest, qGray(img.pixel(x, y)));
            const bool ink = darkest < 230;
            runs += ink && !inside;
            inside = ink;
        }
        EXPECT_GE(runs, row.min_runs);
        EXPECT_LE(runs, row.max_runs);
    }
}

TEST_F(PdfSurfaceTest, FarOutsideCoordinatesAreClippedAndTheFileStaysValid) {
    const std::string out = path("far.pdf");
    PdfSurface s(out, QPageSize(QPageSize::A4));
    s.Scale(72, 44, 64.5, 36.6);
    s.FillStyle(kFillSolid);
    s.Circle(0, 0, 0.048);      // an unset position
    s.Line(70, 40, 0, 0);       // a track segment off the page
    s.Line(-1e300, 38, 1e300, 38);
    s.Circle(68, 40, 1e300);
    s.CurrentX(0.05);
    s.CurrentY(0.1);
    s.Print(" 0");
    s.EndDoc();
    ASSERT_TRUE(s.job_ok());
    EXPECT_EQ(pages_of(out), 1);
    const QImage img = render(out, 72);
    ASSERT_FALSE(img.isNull());
    const QRect ink = dark_box(img, 220);
    // The track segment leaves the page at its right edge, inside the margin.
    EXPECT_NEAR(ink.right(), 595.28 - 28.35, 1.5);
    EXPECT_GE(ink.left(), 27);
}

}  // namespace
