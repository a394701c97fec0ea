#include "ui/reports.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "files/output_file.h"
#include "format/utf8_text.h"
#include "print/cast_report.h"
#include "print/station_plot.h"
#include "ui/profile_plot.h"
#include "ui/section_window.h"
#include "ui/ts_window.h"

namespace {

// Keeps a cast number usable inside a file name: no blanks, and nothing that
// could name another folder or trouble a file system.
std::string file_safe(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '\t') continue;
        const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
                           c == '_' || c == '.';
        out += plain ? c : '_';
    }
    return out;
}

}  // namespace

bool output_refused(Viewer& v, const std::string& output) {
    const std::string why = output_problem(output, {viewer_inputs(v)});
    if (!why.empty()) v.quenvar.status("Could not write " + shown_name(output) + ": " + why);
    return !why.empty();
}

bool finish_job(Viewer& v, PlotSurface& page, const std::string& path, const std::string& note) {
    page.EndDoc();
    std::string why;
    const bool ok = v.printer.last_job_ok(&why);
    if (ok)
        v.quenvar.status("Wrote " + shown_name(path) + (note.empty() ? "" : " (" + shown_name(note) + ")"));
    else
        v.quenvar.status("Could not write " + shown_name(path) + (why.empty() ? "" : ": " + why));
    return ok;
}

std::string cruise_name(const Viewer& v) {
    const std::filesystem::path folder(v.report_folder);
    return (folder.has_filename() ? folder.filename() : folder.parent_path().filename()).string();
}

namespace {

// The reports by the name the command line gives them, which also names their file.
constexpr std::pair<std::string_view, Report> kReportNames[] = {
    {"stations", Report::stations}, {"track", Report::track}, {"cast", Report::cast},
    {"casts", Report::casts},       {"ts", Report::ts},       {"section", Report::section},
};

}  // namespace

std::optional<Report> report_named(std::string_view name) {
    for (const auto& [n, kind] : kReportNames)
        if (n == name) return kind;
    return std::nullopt;
}

std::string report_path(const Viewer& v, Report kind) {
    std::string name;
    if (kind == Report::cast) {
        const int k = std::clamp(int(v.d.curcast), 0, kMaxCast);
        std::string number = file_safe(v.d.castno[k]);
        if (number.empty()) number = std::to_string(k);
        name = "cast-" + number + ".pdf";
    } else {
        for (const auto& [n, k] : kReportNames)
            if (k == kind) name = std::string(n) + ".pdf";
    }
    if (v.report_folder.empty()) return name;
    return (std::filesystem::path(v.report_folder) / name).string();
}

bool print_report(Viewer& v, Report kind, const std::string& output) {
    const std::string path = output.empty() ? report_path(v, kind) : output;
    switch (kind) {
        case Report::stations:
            return staprint(v, false, path);
        case Report::track:
            return staprint(v, true, path);
        case Report::cast:
            return print_casts(v, 0, path);
        case Report::casts:
            return print_casts(v, 1, path);
        case Report::ts:
            return print_ts(v, path);
        case Report::section:
            return print_section(v, path);
    }
    return false;
}

void staprint(Viewer& v, bool withtrack) {
    (void)staprint(v, withtrack, report_path(v, withtrack ? Report::track : Report::stations));
}

bool staprint(Viewer& v, bool withtrack, const std::string& output) {
    if (output_refused(v, output)) return false;
    v.filemsg.Visible(true);
    v.filemsg.Text("   Printing plot of cast locations");
    PlotSurface& page = v.printer.job(output);
    const CoastResult coast = draw_station_plot(page, v.d, v.paths.coast_print, v.paths.coast_world, withtrack);
    const bool ok = finish_job(v, page, output, coast.ok() ? "" : "no coastline, " + coast.message());
    v.filemsg.Visible(false);
    drawcast(v, int(v.d.curcast));
    return ok;
}

void print_casts(Viewer& v, int selector) {
    (void)print_casts(v, selector, report_path(v, selector == 1 ? Report::casts : Report::cast));
}

bool print_casts(Viewer& v, int selector, const std::string& output) {
    const CruiseData& d = v.d;
    const std::vector<int> casts = report_casts(d, selector);
    v.filemsg.Visible(true);
    bool ok = false;
    if (casts.empty()) {
        v.quenvar.status("No casts to print");
    } else if (!output_refused(v, output)) {
        PlotSurface& page = v.printer.job(output);
        for (std::size_t i = 0; i < casts.size(); ++i) {
            if (i > 0) page.NewPage();
            v.filemsg.Text("  Printing cast " + d.castno[casts[i]]);
            draw_cast_page(page, d, casts[i]);
        }
        ok = finish_job(v, page, output);
    }
    v.filemsg.Visible(false);
    drawcast(v, int(d.curcast));
    return ok;
}
