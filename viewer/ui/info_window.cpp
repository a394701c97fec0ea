#include "ui/info_window.h"

#include <string>

#include "format/number_format.h"
#include "plot/stations.h"

void showinfo(Viewer& v) {
    const CruiseData& d = v.d;
    const int c = static_cast<int>(d.curcast);

    // Positions are stored north- and west-positive, so the hemispheres are
    // fixed. A loaded cast without a position (a .cnv file may hold none)
    // shows none.
    const bool unknown = !d.castfile[c].empty() && !has_position(d, c);
    const std::string lat =
        unknown ? "" : format_number(d.latdeg[c], " ##") + " " + format_number(d.latmin[c], "##.#") + " N";
    const std::string lon =
        unknown ? "" : format_number(d.londeg[c], "###") + " " + format_number(d.lonmin[c], "##.#") + " W";
    const std::string date =
        format_number(d.year[c], "##") + "\\" + format_number(d.month[c], "##") + "\\" + format_number(d.day[c], "##");

    v.info.Text(InfoField::labsta, d.castno[c]);
    v.info.Text(InfoField::lablat, lat);
    v.info.Text(InfoField::lablong, lon);
    v.info.Text(InfoField::labdate, date);
    v.info.Text(InfoField::labbot, format_number(d.botdep[c], "####"));
    v.info.Text(InfoField::labhour, format_number(d.hour[c], "##.#"));
}
