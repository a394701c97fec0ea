#include "plot/section_grid.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "plot/map_frame.h"

namespace {

constexpr double kEarthRadiusKm = 6371;
constexpr double kSameStationKm = 0.010;

struct Sample {
    double depth, value;
};

// The cast's samples with both depth and value, by depth.
std::vector<Sample> samples_of(const CruiseData& d, int c, int var) {
    std::vector<Sample> out;
    const int n = d.npts[c] > 0 ? int(std::min<double>(d.npts[c], kMaxScan)) : 0;
    for (int k = 1; k <= n; ++k) {
        const Cell &z = d.castdat(c, k, kDepth), &v = d.castdat(c, k, var);
        if (z.is_set() && v.is_set() && std::isfinite(z.value()) && std::isfinite(v.value()))
            out.push_back({z.value(), v.value()});
    }
    std::stable_sort(out.begin(), out.end(), [](const Sample& a, const Sample& b) { return a.depth < b.depth; });
    return out;
}

// The profile on the levels (ascending): constant above the first sample,
// linear between samples, NaN below the last.
std::vector<double> on_levels(const std::vector<Sample>& p, const std::vector<double>& levels) {
    std::vector<double> out(levels.size(), NAN);
    std::size_t k = 0;
    for (std::size_t j = 0; j < levels.size(); ++j) {
        const double z = levels[j];
        if (z <= p.front().depth) {
            out[j] = p.front().value;
            continue;
        }
        while (k + 1 < p.size() && p[k + 1].depth < z) ++k;
        if (k + 1 >= p.size()) break;
        const Sample &a = p[k], &b = p[k + 1];
        out[j] = b.depth == a.depth ? b.value : a.value + (b.value - a.value) * (z - a.depth) / (b.depth - a.depth);
    }
    return out;
}

double lerp(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace

double great_circle_km(double lat1, double lon1, double lat2, double lon2) {
    constexpr double rad = std::numbers::pi / 180;
    const double dlat = (lat2 - lat1) * rad, dlon = (lon2 - lon1) * rad;
    const double h =
        std::pow(std::sin(dlat / 2), 2) + std::cos(lat1 * rad) * std::cos(lat2 * rad) * std::pow(std::sin(dlon / 2), 2);
    return 2 * kEarthRadiusKm * std::asin(std::sqrt(std::min(1.0, h)));
}

SectionGrid make_section(const CruiseData& d, const SectionChoice& choice, int levels) {
    SectionGrid s;
    s.var = choice.var;
    const int ncast = std::clamp(int(d.ncast), 0, kMaxCast);
    const int first = std::max(choice.first, 1), last = choice.last > 0 ? std::min(choice.last, ncast) : ncast;
    if (s.var < kDepth + 1 || s.var > kMaxVar) return s;

    struct Cast {
        int c;
        double km;
        std::vector<Sample> samples;
    };
    std::vector<Cast> casts;
    double deepest = 0;
    for (int c = first; c <= last; ++c) {
        if (!has_station(d, c)) continue;
        std::vector<Sample> p = samples_of(d, c, s.var);
        if (p.empty()) continue;
        double km = 0;
        if (!casts.empty()) {
            const int b = casts.back().c;
            km = casts.back().km + great_circle_km(d.lat[b], d.lon[b], d.lat[c], d.lon[c]);
        }
        deepest = std::max(deepest, p.back().depth);
        casts.push_back({c, km, std::move(p)});
    }
    if (casts.empty()) return s;

    const int n = std::max(levels, 2);
    for (int j = 0; j < n; ++j) s.levels.push_back(deepest * j / (n - 1));
    // Sums of the casts' values at each level, and how many casts reach it.
    std::vector<std::vector<int>> counts;
    for (std::size_t i = 0; i < casts.size(); ++i) {
        const Cast& c = casts[i];
        if (i == 0 || c.km - casts[i - 1].km >= kSameStationKm) {
            s.stations.push_back({c.km, {}, 0, 0, std::vector<double>(s.levels.size(), 0.0)});
            counts.emplace_back(s.levels.size(), 0);
        }
        SectionStation& st = s.stations.back();
        st.casts.push_back(c.c);
        st.data_bottom = std::max(st.data_bottom, c.samples.back().depth);
        st.seabed = std::max(st.seabed, st.data_bottom);
        const Cell& bottom = d.botdep[c.c];
        if (bottom.is_set() && std::isfinite(bottom.value())) st.seabed = std::max(st.seabed, bottom.value());
        const std::vector<double> v = on_levels(c.samples, s.levels);
        for (std::size_t j = 0; j < v.size(); ++j)
            if (!std::isnan(v[j])) st.values[j] += v[j], ++counts.back()[j];
    }
    for (std::size_t k = 0; k < s.stations.size(); ++k)
        for (std::size_t j = 0; j < s.levels.size(); ++j)
            s.stations[k].values[j] = counts[k][j] > 0 ? s.stations[k].values[j] / counts[k][j] : NAN;
    s.km_lo = s.stations.front().km, s.km_hi = s.stations.back().km;
    if (s.km_hi - s.km_lo <= 0) s.km_lo -= 0.5, s.km_hi += 0.5;
    return s;
}

Field section_field(const SectionGrid& s, int columns) {
    Field f(std::max(columns, 2), int(s.levels.size()), s.km_lo, 0, s.km_hi, s.deepest());
    if (s.stations.empty() || s.levels.size() < 2) return f;
    std::size_t right = 0;  // the first station at or past the column
    for (int i = 0; i < f.nx; ++i) {
        const double km = f.x(i);
        while (right < s.stations.size() && s.stations[right].km < km) ++right;
        const SectionStation& b = s.stations[std::min(right, s.stations.size() - 1)];
        const SectionStation& a = s.stations[right == 0 ? 0 : right - 1];
        const double t = &a == &b ? 0 : (km - a.km) / (b.km - a.km);
        const double bottom = lerp(a.data_bottom, b.data_bottom, t);
        for (int j = 0; j < f.ny; ++j) {
            if (s.levels[std::size_t(j)] > bottom) break;
            const double va = a.values[std::size_t(j)], vb = b.values[std::size_t(j)];
            f.at(i, j) = std::isnan(va) ? vb : std::isnan(vb) ? va : lerp(va, vb, t);
        }
    }
    return f;
}
