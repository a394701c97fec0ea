#include "ui/viewer.h"

void list_heading(Viewer& v) {
    PlotSurface& s = v.lister.surface();
    s.FillStyle(kFillSolid);
    s.CurrentX(2);
    s.CurrentY(1);
    s.FontUnderline(true);
    s.Print(kListHeading);
    s.FontUnderline(false);
}

void setup(Viewer& v) {
    set_start_values(v.d);
    v.Stations.surface().FillStyle(kFillSolid);
    v.lister.surface().Scale(1, 1, 50, 8);
    list_heading(v);
}

std::vector<std::string> viewer_inputs(const Viewer& v) {
    std::vector<std::string> files{v.paths.coast_screen, v.paths.coast_print, v.paths.coast_world};
    for (int c = 0; c <= kMaxCast; ++c)
        if (!v.d.castfile[c].empty()) files.push_back(v.d.castfile[c]);
    return files;
}
