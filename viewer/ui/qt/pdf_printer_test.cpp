#include "ui/qt/pdf_printer.h"

#include <gtest/gtest.h>

#include <QFile>

#include "testing/scratch_folder.h"

// Each job's outcome is the last job's; a new job drops an unfinished one.
TEST(PdfPrinter, ReportsEachJobsOutcome) {
    ScratchFolder dir;
    const auto exists = [&](const char* name) { return QFile::exists(QString::fromStdString(dir.path(name))); };
    PdfPrinter printer;
    std::string why;
    EXPECT_FALSE(printer.last_job_ok(&why) || why.empty()) << "nothing printed yet";
    printer.job(dir.path("unfinished.pdf")).Line(0, 0, 1, 1);
    PlotSurface& page = printer.job(dir.path("station_plot.pdf"));
    page.Line(0, 0, 1, 1);
    EXPECT_FALSE(printer.last_job_ok(nullptr)) << "the job has not ended";
    page.EndDoc();
    EXPECT_TRUE(printer.last_job_ok(&why) && why.empty()) << why;
    EXPECT_TRUE(exists("station_plot.pdf") && !exists("unfinished.pdf"));
    printer.job(dir.path("missing/cast_report.pdf")).EndDoc();
    EXPECT_FALSE(printer.last_job_ok(&why) || why.find("missing/cast_report.pdf") == std::string::npos) << why;
}

