#include "ui/listing.h"

#include <string>

#include "format/number_format.h"

namespace {

// The row of scan k of cast c; empty when the row form lists nothing. Fields
// are joined by character counts, so a wider value (a negative temperature)
// shifts the rest of its row.
std::string row_text(const CruiseData& d, int c, int k) {
    const auto value = [&](Var var) { return d.castdat(c, k, var).value(); };
    std::string row = padnum(7, 0, value(kDepth)) + "  " + format_number(value(kTemp), "00.00") + "   " +
                      format_number(value(kSalt), "00.000");
    if (d.ncol == 5 || d.ncol == 4) {
        row += "    " + format_number(value(kFluor), "0.00") + "    " + format_number(value(kSigma), "00.000");
        if (d.ncol == 5) row += "    " + format_number(value(kTrans), "0.00");
        return row;
    }
    // Bongo-SB casts (index 51 on) have no fluorescence: leave its place blank.
    if (d.curcast > 49) return row + std::string(12, ' ') + format_number(value(kSigma), "00.000");
    return {};
}

}  // namespace

void listcast(Viewer& v, int p) {
    PlotSurface& s = v.lister.surface();
    const CruiseData& d = v.d;
    const int c = static_cast<int>(d.curcast);
    const double n = d.npts[c];
    const Color fore = s.ForeColor();
    for (int i = 1; i <= 6; ++i) {
        const long long k = static_cast<long long>(p) + i - 1;
        s.FillColor(s.BackColor());
        s.ForeColor(s.BackColor());
        s.LineBox(1, i + 0.9, 50, i + 1.7);
        s.ForeColor(fore);
        s.CurrentX(2);
        s.CurrentY(i + 1);
        if (k > 0 && k < n + 1 && k <= kMaxScan) {
            const std::string row = row_text(d, c, static_cast<int>(k));
            if (!row.empty()) s.Print(row);
        }
    }
}

namespace lister {
void VScroll1_Change(Viewer& v) { listcast(v, v.lister.VScroll1().Value()); }
}  // namespace lister
