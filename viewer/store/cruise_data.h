#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/color.h"
#include "store/value_cell.h"

// Capacities of the store. Index 0 of every dimension exists and is not used.
inline constexpr int kMaxCast = 200;     // casts 1..200
inline constexpr int kMaxScan = 500;     // scans 1..500 per cast
inline constexpr int kMaxVar = 6;        // variables 1..6
inline constexpr int kMaxStdDepth = 20;  // standard depth slots 1..20

// Variable codes used throughout the viewer.
enum Var : int { kDepth = 1, kTemp = 2, kSalt = 3, kFluor = 4, kSigma = 5, kTrans = 6 };

// A fixed-size column indexed 0..N. Indexing outside throws std::out_of_range,
// so no entry is ever written past the store's capacity.
template <typename T, int N>
class Column {
public:
    T& operator[](int i) { return items_.at(index(i)); }
    const T& operator[](int i) const { return items_.at(index(i)); }
    static constexpr int last() { return N; }

private:
    static std::size_t index(int i) {
        if (i < 0 || i > N) throw std::out_of_range("store index " + std::to_string(i));
        return static_cast<std::size_t>(i);
    }
    std::array<T, N + 1> items_{};
};

// The viewer's one store: the cruise, the position in it, and the plotting
// tables. Plain data with fixed capacities, never cleared; a load overwrites
// only what it reads. Positions: decimal degrees, latitude north-positive,
// longitude west-positive.
struct CruiseData {
    using CastCells = Column<Cell, kMaxCast>;
    using CastTexts = Column<std::string, kMaxCast>;

    // Per-cast header columns.
    CastCells latdeg, latmin, lat;  // whole degrees N, minutes, decimal degrees
    CastCells londeg, lonmin, lon;  // whole degrees W, minutes, decimal degrees W
    CastTexts castno;               // three characters
    CastTexts stdsta;               // three characters
    CastCells botdep;               // bottom depth
    CastCells year;                 // two digits
    CastCells month;                // casts 0..200, like every other column
    CastCells day;
    CastCells hour;      // decimal hours, GMT
    CastTexts castfile;  // full path of the cast's data file
    CastCells npts;      // scans stored, 0..500

    // Sample cube castdat(c, s, v): cast 0..200, scan 0..500, variable 0..6.
    Cell& castdat(int c, int s, int v) { return cube_.at(cube_index(c, s, v)); }
    const Cell& castdat(int c, int s, int v) const { return cube_.at(cube_index(c, s, v)); }

    Cell ncast;    // highest cast index filled by the last load
    Cell curcast;  // cast on display
    Cell ncol;     // SB911 layout: 5 = six values per scan, 4 = five
    Cell selvar;   // variable edited by the limits dialog
    Cell stnrad;   // station marker radius, degrees

    // Plotting tables, variable index 0..6.
    Column<std::string, kMaxVar> varname;
    Column<Cell, kMaxVar> varcol;                                          // RGB as 0x00BBGGRR
    Cell& axlim(int v, int k) { return axlim_.at(table_index(v, k, 2)); }  // k 1 min, 2 max
    const Cell& axlim(int v, int k) const { return axlim_.at(table_index(v, k, 2)); }
    Cell& scrlim(int v, int k) { return scrlim_.at(table_index(v, k, 3)); }  // k 1 top, 2 bottom, 3 step
    const Cell& scrlim(int v, int k) const { return scrlim_.at(table_index(v, k, 3)); }
    Column<Cell, kMaxStdDepth> stddep;

private:
    static std::size_t cube_index(int c, int s, int v);
    static std::size_t table_index(int v, int k, int kmax);

    std::vector<Cell> cube_ = std::vector<Cell>(std::size_t(kMaxCast + 1) * (kMaxScan + 1) * (kMaxVar + 1));
    std::vector<Cell> axlim_ = std::vector<Cell>(std::size_t(kMaxVar + 1) * 3);
    std::vector<Cell> scrlim_ = std::vector<Cell>(std::size_t(kMaxVar + 1) * 4);
};

// Writes the starting values of the plotting tables (axis limits, standard
// depths, axis titles, limits-dialog settings, colours, marker radius), in that
// order. Leaves ncast, curcast, ncol and selvar unset.
void set_start_values(CruiseData& d);
