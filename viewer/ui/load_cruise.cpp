#include "ui/load_cruise.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "format/number_format.h"
#include "readers/bongo_reader.h"
#include "readers/record_fields.h"
#include "readers/sb911_reader.h"
#include "ui/profile_plot.h"
#include "ui/station_map.h"

namespace {

// Steps 1 and 2 of a load: the listing back to its heading, the map cleared.
void begin_load(Viewer& v) {
    v.lister.surface().Cls();
    list_heading(v);
    v.Stations.surface().Cls();
}

ReadProgress show_progress(Viewer& v) {
    return [&v](const std::string& castfile) { v.filemsg.Text("Reading: " + castfile); };
}

std::string problem_text(const LoadResult& r) {
    std::string text;
    for (const LoadIssue& issue : r.issues) text += issue.file + ": " + issue.what + "\n";
    if (r.stopped) {
        text += "The load stopped early; ";
        if (r.casts_loaded() <= 0)
            text += "no cast was loaded.";
        else
            text += "casts " + std::to_string(r.first_cast) + " to " + std::to_string(r.ncast) + " are loaded.";
    } else {
        text.pop_back();
    }
    return text;
}

// The end of every load, complete or stopped: the redraws, then the
// problems met, if any.
void end_load(Viewer& v, const std::string& path, const LoadResult& r, const char* title) {
    v.filemsg.Visible(false);
    if (r.header_read) v.report_folder = folder_of(path);
    const CoastResult coast = stamap(v);
    drawaxes(v);
    v.d.curcast = r.first_cast;
    drawcast(v, r.first_cast);
    // Every later redraw of the map meets the same fault; it is told here only.
    if (!coast.ok()) v.quenvar.status("No coastline on the map: " + coast.message());
    if (!r.issues.empty()) v.alerts.message_box(title, problem_text(r));
}

std::string numbers_line(const double (&x)[3]) {
    return signed_text(x[0]) + " " + signed_text(x[1]) + " " + signed_text(x[2]);
}

void write_diagnostic(std::ofstream& out, const std::vector<TowDiagnostic>& tows) {
    for (const TowDiagnostic& t : tows) {
        out << numbers_line(t.first) << '\n';
        out << signed_text(t.j) << '\n';
        out << numbers_line(t.last) << '\n';
        out << "k:" << signed_text(t.k) << '\n';
        out << "m:" << signed_text(t.m) << '\n';
    }
}

}  // namespace

LoadResult readsb911(Viewer& v, const std::string& path) {
    begin_load(v);
    v.filemsg.Visible(true);
    const LoadResult r = read_sb911(v.d, path, show_progress(v));
    end_load(v, path, r, "SB911 data");
    return r;
}

LoadResult readbongo(Viewer& v, const std::string& path) {
    const std::string& diagnostic = v.paths.diagnostic;
    std::ofstream out;
    if (!diagnostic.empty()) out.open(diagnostic, std::ios::out | std::ios::trunc);

    begin_load(v);
    v.filemsg.Visible(true);
    BongoResult r = read_bongo(v.d, path, show_progress(v));

    if (out.is_open()) {
        write_diagnostic(out, r.tows);
        out.close();
    }
    // Nothing reads the diagnostic file, so failing to write it does not stop
    // the load; the user still hears of it.
    if (!diagnostic.empty() && !out)
        r.issues.push_back({diagnostic, "the diagnostic file could not be written"});
    end_load(v, path, r, "Bongo-SB data");
    return r;
}

LoadResult load_file(Viewer& v, const std::string& path) {
    std::string name = path.substr(path.rfind('/') + 1);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name == "header.dat" ? readbongo(v, path) : readsb911(v, path);
}
