#include "ui/section_window.h"

#include <algorithm>

#include "plot/section_plot.h"
#include "print/section_page.h"
#include "ui/profile_plot.h"
#include "ui/reports.h"

namespace {

SectionGrid current_section(const Viewer& v) { return make_section(v.d, v.section_choice); }

}  // namespace

std::vector<int> section_variables(const CruiseData& d) {
    std::vector<int> vars{kTemp, kSalt, kFluor, kSigma};
    if (d.ncol == 5.0) vars.push_back(kTrans);
    return vars;
}

void draw_section(Viewer& v) {
    if (!v.section || !v.section->Visible()) return;
    PlotSurface& s = v.section->surface();
    const Canvas c = v.section->canvas();
    const SectionGrid sec = current_section(v);
    s.Cls();
    s.Scale(0, 0, c.width, c.height);
    draw_section(s, v.d, sec, c, section_title(v, sec));
}

void section_loaded(Viewer& v) {
    const std::vector<int> vars = section_variables(v.d);
    v.section_choice.first = 1;
    v.section_choice.last = 0;
    if (std::find(vars.begin(), vars.end(), v.section_choice.var) == vars.end()) v.section_choice.var = kTemp;
    draw_section(v);
}

std::string section_title(const Viewer& v, const SectionGrid& sec) {
    std::string title = cruise_name(v);
    title += (title.empty() ? "" : ": ") + trimmed(v.d.varname[std::clamp(sec.var, 0, kMaxVar)]);
    if (!sec.stations.empty()) {
        const int first = sec.stations.front().casts.front(), last = sec.stations.back().casts.back();
        title += ", casts " + trimmed(v.d.castno[first]) + " to " + trimmed(v.d.castno[last]);
    }
    return title;
}

bool print_section(Viewer& v, const std::string& output) {
    const SectionGrid sec = current_section(v);
    if (sec.stations.empty()) {
        v.quenvar.status("No casts with a position and data for the section");
        return false;
    }
    if (output_refused(v, output)) return false;
    v.filemsg.Visible(true);
    v.filemsg.Text("   Printing the section");
    PlotSurface& page = v.printer.landscape_job(output);
    draw_section_page(page, v.d, sec, section_title(v, sec));
    const bool ok = finish_job(v, page, output);
    v.filemsg.Visible(false);
    return ok;
}

namespace quenvar {

void section_Click(Viewer& v) {
    if (!v.sectionbox) return;
    SectionChoice shown = v.section_choice;
    const int ncast = std::clamp(int(v.d.ncast), 0, kMaxCast);
    if (shown.last <= 0 || shown.last > ncast) shown.last = ncast;
    v.sectionbox->offer(shown, ncast, section_variables(v.d));
}

}  // namespace quenvar

namespace sectionbox {

void ok_Click(Viewer& v) {
    if (!v.sectionbox) return;
    SectionChoice c = v.sectionbox->choice();
    if (c.first > c.last) std::swap(c.first, c.last);
    v.section_choice = c;
    v.sectionbox->Visible(false);
    if (!v.section) return;
    v.section->Visible(true);
    draw_section(v);
}

}  // namespace sectionbox

namespace Section {

void Form_Resize(Viewer& v) { draw_section(v); }

void Form_MouseDown(Viewer& v, int /*button*/, int /*shift*/, double x, double /*y*/) {
    if (!v.section) return;
    const SectionGrid sec = current_section(v);
    const std::optional<int> cast = section_pick(sec, v.section->canvas(), true, x);
    if (!cast) return;
    drawcast(v, -static_cast<int>(v.d.curcast));
    v.d.curcast = *cast;
    drawcast(v, *cast);
}

}  // namespace Section
