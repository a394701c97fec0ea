#include "ui/ts_window.h"

#include <algorithm>

#include "plot/ts_diagram.h"
#include "print/ts_page.h"
#include "ui/profile_plot.h"
#include "ui/reports.h"

void draw_ts(Viewer& v) {
    if (!v.ts || !v.ts->Visible()) return;
    PlotSurface& s = v.ts->surface();
    const Canvas c = v.ts->canvas();
    s.Cls();
    s.Scale(0, 0, c.width, c.height);
    draw_ts_diagram(s, v.d, c, std::clamp(int(v.d.curcast), 0, kMaxCast), "");
}

void show_ts(Viewer& v) {
    if (v.ts) v.ts->Visible(true);
}

std::string ts_title(const Viewer& v) {
    const int c = std::clamp(int(v.d.curcast), 0, kMaxCast);
    std::string title = cruise_name(v);
    title += (title.empty() ? "" : ": ") + std::string("T-S diagram, cast ") + trimmed(v.d.castno[c]);
    if (!trimmed(v.d.stdsta[c]).empty()) title += ", station " + trimmed(v.d.stdsta[c]);
    return title;
}

bool print_ts(Viewer& v, const std::string& output) {
    if (output_refused(v, output)) return false;
    v.filemsg.Visible(true);
    v.filemsg.Text("   Printing the T-S diagram");
    PlotSurface& page = v.printer.job(output);
    draw_ts_page(page, v.d, std::clamp(int(v.d.curcast), 0, kMaxCast), ts_title(v));
    const bool ok = finish_job(v, page, output);
    v.filemsg.Visible(false);
    return ok;
}

namespace TS {

void Form_Resize(Viewer& v) { draw_ts(v); }

void Form_MouseDown(Viewer& v, int /*button*/, int /*shift*/, double x, double y) {
    if (!v.ts) return;
    const std::optional<ScanPick> pick = ts_pick(v.d, v.ts->canvas(), false, x, y, pick_pixels);
    if (!pick) return;
    drawcast(v, -static_cast<int>(v.d.curcast));
    v.d.curcast = pick->cast;
    drawcast(v, pick->cast);
    v.lister.VScroll1().Value(pick->scan);
}

}  // namespace TS
