#pragma once

#include <optional>
#include <string>
#include <vector>

#include "readers/cnv_header.h"
#include "readers/pressure_depth.h"

// Sea-Bird's bad flag: a value to drop wherever it appears, whether or not a
// "# bad_flag" line declares it.
inline constexpr double kSeaBirdBadFlag = -9.990e-29;

// The columns of a .cnv file that the viewer uses, by their names (the text
// before the colon of "# name i = NAME: description [unit]", compared
// exactly). Where several of a family are present, the first listed wins,
// then file order.
// - depth: depSM, depFM, depS, depF; else pressure prDM, prdM, prM, prSM, pr,
//   prE, prdE, prDE, pr50M, then any pr... column whose description's unit is
//   [db], [dbar] or [psi]; else depth in feet, depSF, depFF. A pressure's unit
//   is its description's, else psi for a name ending in E (Sea-Bird's English
//   units), else decibars.
// - temperature: t090C, t090, t190C, t4990C, tnc90C, tv290C, t068C, t068,
//   t168C, tv268C, then any t... column (no difference "a-b") described as
//   [ITS-90, deg C] or [IPTS-68, deg C].
// - salinity: sal00, sal11; else derived by PSS-78 from a conductivity (c0S/m,
//   c0mS/cm, c0uS/cm, cond0S/m, cond0mS/cm, then the secondary c1S/m,
//   c1mS/cm, c1uS/cm; the secondary first when the temperature is the
//   secondary t1...), the temperature and the pressure (from the pressure
//   column, else the depth inverted at the cast's latitude).
// - fluorescence (chlorophyll only): the first column named fl... (not flag),
//   wetStar or chloroflTC0 that is not a UV (uv or UV in its name), rhodamine
//   (flSPR), fluorescein (flflTC...), CDOM (cdom..., flCUVA) or other
//   non-chlorophyll channel by its description.
// - transmission: the first xmiss... or CStarTr... column.
// - flag: "flag", whose bad-flag scans Sea-Bird's loop edit marked.
// - latitude, longitude: decimal degrees north and east, the cast's position
//   where the header gives none.
struct CnvColumns {
    int depth = -1, pressure = -1, temp = -1, salt = -1, cond = -1;
    int fluor = -1, trans = -1, flag = -1, lat = -1, lon = -1;
    double depth_scale = 1;     // to metres
    double pressure_scale = 1;  // to decibars
    double cond_scale = 1;      // to the conductivity ratio C / C(35, 15, 0)
    bool ipts68 = false;        // the temperature is on the IPTS-68 scale

    // The columns the load reads, ascending, each once.
    std::vector<int> used() const;
};

// Chooses the columns; false with `why` ("names no temperature column (...)")
// when depth (or pressure), temperature or salinity (or conductivity) is
// missing.
[[nodiscard]] bool choose_columns(const std::vector<CnvColumn>& columns, CnvColumns& c, std::string& why);

// One scan as the depth bins take it.
struct Scan {
    double depth = 0, t = 0, s = 0;
    std::optional<double> fl, tr;
};

// Turns a data line's values into scans.
class ScanMaker {
public:
    ScanMaker(const CnvColumns& c, std::optional<double> bad_flag, std::optional<double> latitude)
        : c_(c), bad_flag_(bad_flag), latitude_(latitude), depth_(latitude.value_or(45)) {}

    // The scan of `x` (x[k] is column k's value; only the used columns are
    // read); nothing for a scan to drop: a bad flag in its flag, depth (or
    // pressure), temperature, salinity or conductivity, or a salinity the
    // formula cannot give. A bad fluorescence or transmission is missing.
    // Pressure becomes depth by the UNESCO formula at the cast's latitude: the
    // header's, else the first the latitude column gave, else 45 degrees.
    [[nodiscard]] std::optional<Scan> operator()(const double* x);

    // The first position the latitude and longitude columns gave, if any.
    const std::optional<std::pair<Angle, Angle>>& data_position() const { return data_position_; }

private:
    bool bad(double v) const { return v == kSeaBirdBadFlag || (bad_flag_ && v == *bad_flag_); }

    CnvColumns c_;
    std::optional<double> bad_flag_, latitude_;
    UnescoDepth depth_;  // at latitude_, else 45 degrees
    std::optional<std::pair<Angle, Angle>> data_position_;
};
