#include "ui/pdf_printer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

namespace {

bool is_pdf(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
}

TEST(PdfPrinter, ReportsEachJobsOutcome) {
    QTemporaryDir dir;
    const std::string good = dir.filePath("station_plot.pdf").toStdString();
    const std::string bad = dir.filePath("missing/cast_report.pdf").toStdString();
    PdfPrinter printer;
    std::string why;
    EXPECT_FALSE(printer.last_job_ok(&why)) << "nothing printed yet";
    EXPECT_FALSE(why.empty());

    PlotSurface& first = printer.job(good);
    first.Scale(72, 44, 64.5, 36.6);
    first.Line(71, 42.5, 71, 40);
    EXPECT_FALSE(printer.last_job_ok(nullptr)) << "the job has not ended";
    first.EndDoc();
    EXPECT_TRUE(printer.last_job_ok(&why)) << why;
    EXPECT_TRUE(why.empty());
    EXPECT_TRUE(is_pdf(good));

    PlotSurface& second = printer.job(bad);
    second.EndDoc();
    EXPECT_FALSE(printer.last_job_ok(&why));
    EXPECT_NE(why.find(bad), std::string::npos) << why;
}

TEST(PdfPrinter, ANewJobDropsAnUnfinishedOne) {
    QTemporaryDir dir;
    const std::string unfinished = dir.filePath("unfinished.pdf").toStdString();
    const std::string next = dir.filePath("next.pdf").toStdString();
    PdfPrinter printer;
    printer.job(unfinished).Line(0, 0, 1, 1);
    printer.job(next).EndDoc();
    EXPECT_TRUE(printer.last_job_ok(nullptr));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(unfinished)));
    EXPECT_TRUE(is_pdf(next));
}

}  // namespace
