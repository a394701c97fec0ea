#include "ui/limits.h"

#include <initializer_list>

#include "format/number_format.h"
#include "ui/profile_plot.h"
#include "ui/section_window.h"

namespace {

void select_variable(Viewer& v, Var var) {
    v.d.selvar = var;
    showlimits(v);
}

int selected(const Viewer& v) { return static_cast<int>(v.d.selvar); }

}  // namespace

void showlimits(Viewer& v) {
    const CruiseData& d = v.d;
    const int var = selected(v);
    ScrollBar& lo = v.limitbox.minscrol();
    ScrollBar& hi = v.limitbox.maxscrol();
    // The top end holds the larger value, so moving the thumb up raises it.
    for (ScrollBar* bar : {&lo, &hi}) {
        bar->Min(to_scroll_value(d.scrlim(var, 1)));
        bar->Max(to_scroll_value(d.scrlim(var, 2)));
    }
    v.limitbox.Caption(d.varname[var]);
    lo.Value(to_scroll_value(d.axlim(var, 1)));
    v.limitbox.min(signed_text(d.axlim(var, 1)));
    for (ScrollBar* bar : {&lo, &hi}) {
        bar->SmallChange(to_scroll_value(d.scrlim(var, 3)));
        bar->LargeChange(1);
    }
    hi.Value(to_scroll_value(d.axlim(var, 2)));
    v.limitbox.max(signed_text(d.axlim(var, 2)));
    v.limitbox.Visible(true);
}

namespace quenvar {
void depth_Click(Viewer& v) { select_variable(v, kDepth); }
void temp_Click(Viewer& v) { select_variable(v, kTemp); }
void salt_Click(Viewer& v) { select_variable(v, kSalt); }
void fluor_Click(Viewer& v) { select_variable(v, kFluor); }
void sigma_Click(Viewer& v) { select_variable(v, kSigma); }
}  // namespace quenvar

namespace limitbox {

void minscrol_Change(Viewer& v) { v.limitbox.min(signed_text(v.limitbox.minscrol().Value())); }
void maxscrol_Change(Viewer& v) { v.limitbox.max(signed_text(v.limitbox.maxscrol().Value())); }

void limitok_Click(Viewer& v) {
    CruiseData& d = v.d;
    const int var = selected(v);
    const int a = v.limitbox.minscrol().Value();
    const int b = v.limitbox.maxscrol().Value();
    if (a < b) {
        d.axlim(var, 1) = a;
        d.axlim(var, 2) = b;
        v.limitbox.Visible(false);
        drawaxes(v);
        drawcast(v, static_cast<int>(d.curcast));
        draw_section(v);
        return;
    }
    // Refused: the bars go to their ends, min at the top and max at the bottom,
    // a pair that is refused again unless the user moves a bar.
    v.limitbox.min(signed_text(d.scrlim(var, 1)));
    v.limitbox.max(signed_text(d.scrlim(var, 2)));
    v.limitbox.minscrol().Value(to_scroll_value(d.scrlim(var, 1)));
    v.limitbox.maxscrol().Value(to_scroll_value(d.scrlim(var, 2)));
}

}  // namespace limitbox
