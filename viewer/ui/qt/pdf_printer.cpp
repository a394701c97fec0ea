#include "ui/qt/pdf_printer.h"

PlotSurface& PdfPrinter::job(const std::string& path) {
    surface_.reset();
    surface_ = std::make_unique<PdfSurface>(path, page_, font_, QPageLayout::Portrait, rules_);
    return *surface_;
}

PlotSurface& PdfPrinter::landscape_job(const std::string& path) {
    surface_.reset();
    surface_ = std::make_unique<PdfSurface>(path, page_, font_, QPageLayout::Landscape, rules_);
    return *surface_;
}

bool PdfPrinter::last_job_ok(std::string* why) const {
    if (!surface_) {
        if (why) *why = "nothing has been printed";
        return false;
    }
    return surface_->job_ok(why);
}
