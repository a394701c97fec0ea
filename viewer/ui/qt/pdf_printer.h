#pragma once

#include <QFont>
#include <QPageSize>
#include <memory>
#include <string>
#include <utility>

#include "surface/pdf_surface.h"
#include "ui/windows.h"

// The viewer's printer: every job writes one PDF file (see PdfSurface).
class PdfPrinter : public Printer {
public:
    explicit PdfPrinter(QPageSize page = PdfSurface::default_page_size(), QFont font = PdfSurface::default_font())
        : page_(std::move(page)), font_(std::move(font)) {}

    // A fresh surface for `path`; the previous job's surface is dropped, and
    // with it an unfinished job (its file is left as it was).
    PlotSurface& job(const std::string& path) override;
    PlotSurface& landscape_job(const std::string& path) override;
    // False before the first job and while a job has not reached EndDoc.
    bool last_job_ok(std::string* why) const override;
    // How the jobs from now on write their files.
    void rules(OutputRules rules) { rules_ = std::move(rules); }

private:
    OutputRules rules_;
    QPageSize page_;
    QFont font_;
    std::unique_ptr<PdfSurface> surface_;
};
