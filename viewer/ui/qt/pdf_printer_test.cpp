#include "ui/qt/pdf_printer.h"

#include <gtest/gtest.h>

#include <QFile>

#include "testing/scratch_folder.h"

namespace {

bool is_pdf(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
}

// Each job's outcome is the last job's; a new job drops an unfinished one.
TEST(PdfPrinter, ReportsEachJobsOutcome) {
    ScratchFolder dir;
    const auto file = [&](const char* name) { return dir.path(name); };
    PdfPrinter printer;
    std::string why;
    EXPECT_FALSE(printer.last_job_ok(&why)) << "nothing printed yet";
    EXPECT_FALSE(why.empty());

    printer.job(file("unfinished.pdf")).Line(0, 0, 1, 1);
    PlotSurface& page = printer.job(file("station_plot.pdf"));
    page.Line(0, 0, 1, 1);
    EXPECT_FALSE(printer.last_job_ok(nullptr)) << "the job has not ended";
    page.EndDoc();
    EXPECT_TRUE(printer.last_job_ok(&why)) << why;
    EXPECT_TRUE(why.empty());
    EXPECT_TRUE(is_pdf(file("station_plot.pdf")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file("unfinished.pdf"))));

    printer.job(file("missing/cast_report.pdf")).EndDoc();
    EXPECT_FALSE(printer.last_job_ok(&why));
    EXPECT_NE(why.find(file("missing/cast_report.pdf")), std::string::npos) << why;
}

}  // namespace
