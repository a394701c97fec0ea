#include "store/cruise_data.h"

#include "store/color.h"

namespace {

void check(int i, int last, const char* what) {
    if (i < 0 || i > last)
        throw std::out_of_range(std::string("store index out of range: ") + what + " " + std::to_string(i));
}

}  // namespace

std::size_t CruiseData::cube_index(int c, int s, int v) {
    check(c, kMaxCast, "cast");
    check(s, kMaxScan, "scan");
    check(v, kMaxVar, "variable");
    return (std::size_t(c) * (kMaxScan + 1) + std::size_t(s)) * (kMaxVar + 1) + std::size_t(v);
}

std::size_t CruiseData::table_index(int v, int k, int kmax) {
    check(v, kMaxVar, "variable");
    check(k, kmax, "column");
    return std::size_t(v) * std::size_t(kmax + 1) + std::size_t(k);
}

void set_start_values(CruiseData& d) {
    const double limits[7][2] = {{0, 0}, {0, 100}, {2, 22}, {31, 36}, {0, 5}, {23, 28}, {0, 5}};
    for (int v = 1; v <= kMaxVar; ++v) {
        d.axlim(v, 1) = limits[v][0];
        d.axlim(v, 2) = limits[v][1];
    }

    const double depths[] = {1, 5, 10, 15, 20, 25, 30, 40, 50, 75, 100, 150, 200, 250, 300};
    for (int i = 1; i <= 15; ++i) d.stddep[i] = depths[i - 1];

    const char* names[] = {"  depth", "temperature", " salinity  ", "fluoresence", "  sigma-t  ", "   trans   "};
    for (int v = 1; v <= kMaxVar; ++v) d.varname[v] = names[v - 1];

    const double scroll[7][3] = {{0, 0, 0}, {500, 0, 5}, {30, -2, 1}, {37, 28, 1}, {5, 0, 1}, {28, 22, 1}, {5, 3, 1}};
    for (int v = 1; v <= kMaxVar; ++v)
        for (int k = 1; k <= 3; ++k) d.scrlim(v, k) = scroll[v][k - 1];

    const int palette_index[] = {15, 1, 3, 5, 4, 6};
    for (int v = 1; v <= kMaxVar; ++v) d.varcol[v] = QBColor(palette_index[v - 1]);

    d.stnrad = 0.08;
}
