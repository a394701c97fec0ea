#include "readers/cnv_columns.h"

#include <algorithm>
#include <cmath>

#include "readers/practical_salinity.h"
#include "readers/text_items.h"

namespace {

constexpr double kDbarPerPsi = 0.6894757;
constexpr double kMetresPerFoot = 0.3048;

bool has(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

// The unit of a description: the text in its last brackets, "[db]" giving "db".
std::string unit_of(std::string_view description) {
    const std::size_t close = description.rfind(']');
    const std::size_t open = close == std::string_view::npos ? close : description.rfind('[', close);
    if (open == std::string_view::npos) return {};
    return lowered(trim(description.substr(open + 1, close - open - 1)));
}

// The first column named one of `names`, in the order of `names`; -1 if none.
int named(const std::vector<CnvColumn>& cols, std::initializer_list<const char*> names) {
    for (const char* n : names)
        for (std::size_t i = 0; i < cols.size(); ++i)
            if (cols[i].name == n) return static_cast<int>(i);
    return -1;
}

template <typename Pred>
int first_where(const std::vector<CnvColumn>& cols, Pred pred) {
    for (std::size_t i = 0; i < cols.size(); ++i)
        if (!cols[i].name.empty() && pred(cols[i])) return static_cast<int>(i);
    return -1;
}

bool is_pressure_unit(const std::string& u) { return u == "db" || u == "dbar" || u == "psi"; }

void choose_depth(const std::vector<CnvColumn>& cols, CnvColumns& c) {
    c.depth = named(cols, {"depSM", "depFM", "depS", "depF"});
    c.pressure = named(cols, {"prDM", "prdM", "prM", "prSM", "pr", "prE", "prdE", "prDE", "pr50M"});
    if (c.pressure < 0)
        c.pressure = first_where(cols, [](const CnvColumn& k) {
            return k.name.starts_with("pr") && is_pressure_unit(unit_of(k.description));
        });
    if (c.pressure >= 0) {
        const CnvColumn& p = cols[std::size_t(c.pressure)];
        const std::string unit = unit_of(p.description);
        const bool psi = is_pressure_unit(unit) ? unit == "psi" : p.name.ends_with('E');
        c.pressure_scale = psi ? kDbarPerPsi : 1;
    }
    if (c.depth < 0 && c.pressure < 0) {
        c.depth = named(cols, {"depSF", "depFF"});
        c.depth_scale = kMetresPerFoot;
    }
}

void choose_temperature(const std::vector<CnvColumn>& cols, CnvColumns& c) {
    c.temp = named(cols, {"t090C", "t090", "t190C", "t4990C", "tnc90C", "tv290C", "t068C", "t068", "t168C", "tv268C"});
    if (c.temp < 0)
        c.temp = first_where(cols, [](const CnvColumn& k) {
            return k.name[0] == 't' && !has(k.name, "-") &&
                   (has(k.description, "[ITS-90, deg C]") || has(k.description, "[IPTS-68, deg C]"));
        });
    if (c.temp >= 0) {
        const CnvColumn& t = cols[std::size_t(c.temp)];
        c.ipts68 = has(t.description, "IPTS-68") || (!has(t.description, "ITS-90") && has(t.name, "68"));
    }
}

// Conductivity per conductivity ratio, from the name's unit, else the description's.
double ratio_scale(const CnvColumn& k) {
    const bool named = k.name.ends_with("S/m") || k.name.ends_with("S/cm");
    const std::string unit = named ? lowered(k.name) : unit_of(k.description);
    if (unit.ends_with("ms/cm")) return 1 / (10 * kStandardConductivity);
    if (unit.ends_with("us/cm") || unit.ends_with("\xC2\xB5s/cm")) return 1 / (1e4 * kStandardConductivity);
    return 1 / kStandardConductivity;
}

void choose_salinity(const std::vector<CnvColumn>& cols, CnvColumns& c) {
    c.salt = named(cols, {"sal00", "sal11"});
    if (c.salt >= 0 || c.temp < 0) return;
    const int primary = named(cols, {"c0S/m", "c0mS/cm", "c0uS/cm", "cond0S/m", "cond0mS/cm"});
    const int secondary = named(cols, {"c1S/m", "c1mS/cm", "c1uS/cm"});
    const bool temp_secondary = cols[std::size_t(c.temp)].name.starts_with("t1");
    c.cond = temp_secondary ? (secondary >= 0 ? secondary : primary) : (primary >= 0 ? primary : secondary);
    if (c.cond >= 0) c.cond_scale = ratio_scale(cols[std::size_t(c.cond)]);
}

bool is_chlorophyll(const CnvColumn& k) {
    const std::string& n = k.name;
    if (n == "wetStar" || n == "chloroflTC0") return true;
    if (!n.starts_with("fl") || n.starts_with("flag") || has(n, "uv") || has(n, "UV")) return false;
    if (n.starts_with("flSPR") || n.starts_with("flflTC") || n.starts_with("flCUVA") || has(lowered(n), "cdom"))
        return false;
    const std::string d = lowered(k.description);
    for (const char* other :
         {"cdom", "rhodamine", "fluorescein", "phycoerythrin", "phycocyanin", "oil", "fuel", "tryptophan", "uranine"})
        if (has(d, other)) return false;
    return !has(k.description, "UV");
}

}  // namespace

std::vector<int> CnvColumns::used() const {
    std::vector<int> out;
    for (int k : {depth, pressure, temp, salt, cond, fluor, trans, flag, lat, lon})
        if (k >= 0) out.push_back(k);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

bool choose_columns(const std::vector<CnvColumn>& cols, CnvColumns& c, std::string& why) {
    c = CnvColumns{};
    choose_depth(cols, c);
    choose_temperature(cols, c);
    choose_salinity(cols, c);
    c.fluor = first_where(cols, is_chlorophyll);
    c.trans = first_where(
        cols, [](const CnvColumn& k) { return k.name.starts_with("xmiss") || k.name.starts_with("CStarTr"); });
    c.flag = named(cols, {"flag"});
    if (c.depth >= 0 && c.salt >= 0) c.pressure = -1;  // not needed
    c.lat = named(cols, {"latitude"});
    c.lon = named(cols, {"longitude"});
    if (c.lat < 0 || c.lon < 0) c.lat = c.lon = -1;
    if (c.depth < 0 && c.pressure < 0)
        why = "names no depth or pressure column (depSM, depFM, depS, depF, prDM, prdM, prM, prSM, pr, prE, prdE, "
              "prDE, pr50M, or another pr... in db, dbar or psi)";
    else if (c.temp < 0)
        why = "names no temperature column (t090C, t090, t190C, t4990C, tnc90C, tv290C, t068C, t068, t168C, "
              "tv268C, or another t... in ITS-90 or IPTS-68 deg C)";
    else if (c.salt < 0 && c.cond < 0)
        why = "names no salinity column (sal00 or sal11) nor a conductivity to derive it from (c0S/m, c0mS/cm, "
              "c0uS/cm, c1S/m, c1mS/cm, c1uS/cm, cond0S/m or cond0mS/cm)";
    return why.empty();
}

std::optional<Scan> ScanMaker::operator()(const double* x) {
    if (c_.lat >= 0 && !data_position_) {
        const double la = x[c_.lat], lo = x[c_.lon];
        const auto lat = Angle::from_degrees(la, 'N'), lon = Angle::from_degrees(lo, 'E');
        if (!bad(la) && !bad(lo) && lat && lon && (la != 0 || lo != 0)) {
            data_position_ = std::pair(*lat, *lon);
            if (!latitude_) latitude_ = la, depth_ = UnescoDepth(la);
        }
    }
    if (c_.flag >= 0 && bad(x[c_.flag])) return std::nullopt;
    const double latitude = latitude_.value_or(45);
    Scan s;
    std::optional<double> pressure;
    if (c_.pressure >= 0) {
        if (bad(x[c_.pressure])) return std::nullopt;
        pressure = x[c_.pressure] * c_.pressure_scale;
    }
    if (c_.depth >= 0) {
        if (bad(x[c_.depth])) return std::nullopt;
        s.depth = x[c_.depth] * c_.depth_scale;
    } else {
        s.depth = depth_(*pressure);
    }
    s.t = x[c_.temp];
    if (bad(s.t)) return std::nullopt;
    if (c_.salt >= 0) {
        s.s = x[c_.salt];
        if (bad(s.s)) return std::nullopt;
    } else {
        const double cond = x[c_.cond];
        if (bad(cond)) return std::nullopt;
        const double t68 = c_.ipts68 ? s.t : 1.00024 * s.t;
        s.s = practical_salinity(cond * c_.cond_scale, t68, pressure ? *pressure : unesco_pressure(s.depth, latitude));
        if (!std::isfinite(s.s)) return std::nullopt;
    }
    if (c_.fluor >= 0 && !bad(x[c_.fluor])) s.fl = x[c_.fluor];
    if (c_.trans >= 0 && !bad(x[c_.trans])) s.tr = x[c_.trans];
    return s;
}
