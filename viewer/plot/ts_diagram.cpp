#include "plot/ts_diagram.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "plot/contours.h"
#include "plot/profiles.h"
#include "plot/round_steps.h"
#include "readers/sigma_t.h"
#include "surface/segment_clip.h"

namespace {

constexpr int kCells = 60;
constexpr Color kIsopycnal = rgb(150, 150, 150);
constexpr Color kDot = rgb(190, 190, 190);
constexpr Color kCurrent = rgb(220, 0, 0);
const std::vector<double> kSigmaSteps = {0.1, 0.2, 0.5, 1, 2};

// Salinity and temperature onto the box.
struct Axes {
    double s_lo, s_hi, t_lo, t_hi;
    Box box;
    double x(double s) const { return box.left + (s - s_lo) * (box.right - box.left) / (s_hi - s_lo); }
    double y(double t) const { return box.bottom - (t - t_lo) * (box.bottom - box.top) / (t_hi - t_lo); }
    bool valid() const {
        return s_lo < s_hi && t_lo < t_hi && std::isfinite(s_hi - s_lo) && std::isfinite(t_hi - t_lo);
    }
};

Axes axes_of(const CruiseData& d, const Box& box) {
    return {d.axlim(kSalt, 1), d.axlim(kSalt, 2), d.axlim(kTemp, 1), d.axlim(kTemp, 2), box};
}

int last_cast(const CruiseData& d) { return std::clamp(int(d.ncast), 0, kMaxCast); }
int scans_of(const CruiseData& d, int c) { return d.npts[c] > 0 ? int(std::min<double>(d.npts[c], kMaxScan)) : 0; }

// Temperature and salinity of a scan, when both are stored numbers.
bool ts_of(const CruiseData& d, int c, int k, double& t, double& s) {
    const Cell &tc = d.castdat(c, k, kTemp), &sc = d.castdat(c, k, kSalt);
    t = tc, s = sc;
    return tc.is_set() && sc.is_set() && std::isfinite(t) && std::isfinite(s);
}

// Sigma-t on the grid the isopycnals are traced on: salinity across (x),
// temperature up (y).
Field sigma_field(const Axes& a) {
    Field f(kCells + 1, kCells + 1, a.s_lo, a.t_lo, a.s_hi, a.t_hi);
    for (int j = 0; j < f.ny; ++j)
        for (int i = 0; i < f.nx; ++i) f.at(i, j) = sigmat(f.y(j), f.x(i));
    return f;
}

// Round levels through the cruise's water: over the stored sigma-t of the
// loaded casts where it lies in the box, so that a narrow water mass still
// gets its 4 to 10 isopycnals; over the whole box when no level falls there.
std::vector<double> levels_of(const CruiseData& d, const Field& f) {
    double lo = INFINITY, hi = -INFINITY;
    for (double z : f.z)
        if (std::isfinite(z)) lo = std::min(lo, z), hi = std::max(hi, z);
    double data_lo = INFINITY, data_hi = -INFINITY;
    for (int c = 1; c <= last_cast(d); ++c) {
        if (d.castfile[c].empty()) continue;
        for (int k = 1; k <= scans_of(d, c); ++k) {
            const Cell& z = d.castdat(c, k, kSigma);
            if (z.is_set() && std::isfinite(z.value()))
                data_lo = std::min(data_lo, z.value()), data_hi = std::max(data_hi, z.value());
        }
    }
    std::vector<double> levels = round_levels(std::max(lo, data_lo), std::min(hi, data_hi), kSigmaSteps, 10);
    return levels.empty() ? round_levels(lo, hi, kSigmaSteps, 10) : levels;
}

void dot(PlotSurface& s, double x, double y, double side) {
    s.LineBox(x - side / 2, y - side / 2, x + side / 2, y + side / 2);
}

// The isopycnals, each labelled where it leaves the box at the top or the right.
void draw_isopycnals(PlotSurface& s, const CruiseData& d, const Canvas& c, const Axes& a) {
    const Field f = sigma_field(a);
    const std::vector<double> levels = levels_of(d, f);
    if (levels.empty()) return;
    const int decimals = step_decimals(levels.size() > 1 ? levels[1] - levels[0] : 0.1);
    std::vector<Box> placed;
    s.ForeColor(kIsopycnal);
    for (double level : levels) {
        const std::vector<Polyline> lines = trace_contours(f, level);
        std::optional<FieldPoint> end;
        bool top = false;
        for (const Polyline& line : lines) {
            for (std::size_t k = 1; k < line.size(); ++k)
                s.Line(a.x(line[k - 1].x), a.y(line[k - 1].y), a.x(line[k].x), a.y(line[k].y));
            for (const FieldPoint& p : {line.front(), line.back()})
                if (!end && (p.y == f.y(f.ny - 1) || p.x == f.x(f.nx - 1))) end = p, top = p.y == f.y(f.ny - 1);
        }
        if (!end) continue;
        const std::string text = round_label(level, decimals);
        const double w = c.char_width * double(text.size());
        Box at = top ? Box{a.x(end->x) - w / 2, a.box.top - 1.1 * c.line_height, a.x(end->x) + w / 2, a.box.top}
                     : Box{a.box.right + 0.4 * c.char_width, a.y(end->y) - c.line_height / 2,
                           a.box.right + 0.4 * c.char_width + w, a.y(end->y) + c.line_height / 2};
        const bool clear = std::none_of(placed.begin(), placed.end(), [&](const Box& b) {
            return at.left < b.right + c.char_width / 2 && b.left < at.right + c.char_width / 2 && at.top < b.bottom &&
                   b.top < at.bottom;
        });
        if (!clear) continue;
        placed.push_back(at);
        print_at(s, at.left, at.top, text);
    }
}

// Ticks pointing into the box with their labels, thinned where they would
// touch, in the colour of the variable's profile axis.
void draw_ticks(PlotSurface& s, const CruiseData& d, const Canvas& c, const Axes& a) {
    const Box& b = a.box;
    const double len = 0.6 * c.char_width;
    for (int var : {kSalt, kTemp}) {
        const bool across = var == kSalt;
        const Ticks t = across ? round_ticks(a.s_lo, a.s_hi) : round_ticks(a.t_lo, a.t_hi);
        s.ForeColor(static_cast<Color>(d.varcol[var].value()));
        std::vector<double> from, to;
        std::vector<std::string> texts;
        for (double v : t.at) {
            const std::string text = round_label(v, t.decimals);
            const double w = c.char_width * double(text.size());
            if (across) {
                s.Line(a.x(v), b.bottom, a.x(v), b.bottom - len);
                from.push_back(a.x(v) - w / 2), to.push_back(a.x(v) + w / 2);
            } else {
                s.Line(b.left, a.y(v), b.left + len, a.y(v));
                const double up = b.bottom - a.y(v);  // increasing along the axis, as thin_labels wants
                from.push_back(up - c.line_height / 2), to.push_back(up + c.line_height / 2);
            }
            texts.push_back(text);
        }
        for (int k : thin_labels(from, to, c.char_width)) {
            const double v = t.at[std::size_t(k)];
            const std::string& text = texts[std::size_t(k)];
            if (across)
                text_centred(s, c, a.x(v), b.bottom + 0.25 * c.line_height, text);
            else
                print_at(s, b.left - c.char_width * (0.5 + double(text.size())), a.y(v) - c.line_height / 2, text);
        }
    }
}

void draw_frame(PlotSurface& s, const CruiseData& d, const Canvas& c, const Axes& a, Color fore) {
    const Box& b = a.box;
    s.ForeColor(fore);
    s.Line(b.left, b.top, b.right, b.top);
    s.Line(b.right, b.top, b.right, b.bottom);
    s.ForeColor(static_cast<Color>(d.varcol[kSalt].value()));
    s.Line(b.left, b.bottom, b.right, b.bottom);
    text_centred(s, c, (b.left + b.right) / 2, b.bottom + 1.35 * c.line_height, trimmed(d.varname[kSalt]));
    s.ForeColor(static_cast<Color>(d.varcol[kTemp].value()));
    s.Line(b.left, b.top, b.left, b.bottom);
    print_at(s, 0.5 * c.char_width, b.top - 2.3 * c.line_height, trimmed(d.varname[kTemp]));
    draw_ticks(s, d, c, a);
}

void draw_current(PlotSurface& s, const CruiseData& d, const Canvas& c, const Axes& a, int current) {
    struct Scan {
        double depth, x, y;
    };
    std::vector<Scan> scans;
    for (int k = 1; k <= scans_of(d, current); ++k) {
        double t, sal;
        if (ts_of(d, current, k, t, sal)) scans.push_back({d.castdat(current, k, kDepth), a.x(sal), a.y(t)});
    }
    std::stable_sort(scans.begin(), scans.end(), [](const Scan& p, const Scan& q) { return p.depth < q.depth; });
    s.ForeColor(kCurrent);
    s.FillColor(kCurrent);
    const Box& b = a.box;
    for (std::size_t k = 1; k < scans.size(); ++k) {
        double x0 = scans[k - 1].x, y0 = scans[k - 1].y, x1 = scans[k].x, y1 = scans[k].y;
        if (clip_segment(x0, y0, x1, y1, b.left, b.top, b.right, b.bottom)) s.Line(x0, y0, x1, y1);
    }
    for (const Scan& p : scans)
        if (b.contains(p.x, p.y)) dot(s, p.x, p.y, c.dot);
    if (!scans.empty() && b.contains(scans.front().x, scans.front().y)) {
        s.FillStyle(kFillTransparent);
        s.Circle(scans.front().x, scans.front().y, 2.5 * c.dot);
    }
    const std::string label = "cast " + trimmed(d.castno[current]);
    print_at(s, b.right - c.char_width * double(label.size()), b.top - 2.3 * c.line_height, label);
}

}  // namespace

Box ts_box(const Canvas& c, bool titled) { return frame_box(c, (titled ? 1.8 : 0) + 2.6, 6); }

std::vector<double> ts_isopycnal_levels(const CruiseData& d) {
    const Axes a = axes_of(d, Box{});
    return a.valid() ? levels_of(d, sigma_field(a)) : std::vector<double>{};
}

void draw_ts_diagram(PlotSurface& s, const CruiseData& d, const Canvas& c, int current, const std::string& title) {
    const Color fore = s.ForeColor();
    const Axes a = axes_of(d, ts_box(c, !title.empty()));
    if (!title.empty()) print_at(s, 0.5 * c.char_width, 0.3 * c.line_height, title);
    if (!a.valid()) return;
    draw_isopycnals(s, d, c, a);

    // Every other cast's scans; a dot already drawn at a place is not drawn again.
    const Box& b = a.box;
    const int cols = int((b.right - b.left) / c.dot) + 1, rows = int((b.bottom - b.top) / c.dot) + 1;
    std::vector<bool> drawn(std::size_t(cols) * std::size_t(rows), false);
    s.ForeColor(kDot);
    s.FillColor(kDot);
    s.FillStyle(kFillSolid);
    for (int cast = 1; cast <= last_cast(d); ++cast) {
        if (cast == current || d.castfile[cast].empty()) continue;
        for (int k = 1; k <= scans_of(d, cast); ++k) {
            double t, sal;
            if (!ts_of(d, cast, k, t, sal)) continue;
            const double x = a.x(sal), y = a.y(t);
            if (!b.contains(x, y)) continue;
            const std::size_t cell =
                std::size_t((y - b.top) / c.dot) * std::size_t(cols) + std::size_t((x - b.left) / c.dot);
            if (drawn[cell]) continue;
            drawn[cell] = true;
            dot(s, x, y, c.dot);
        }
    }
    draw_frame(s, d, c, a, fore);
    if (current >= 1 && current <= kMaxCast) draw_current(s, d, c, a, current);
    s.FillStyle(kFillTransparent);
    s.ForeColor(fore);
}

std::optional<ScanPick> ts_pick(const CruiseData& d, const Canvas& c, bool titled, double x, double y, double radius) {
    const Axes a = axes_of(d, ts_box(c, titled));
    if (!a.valid()) return std::nullopt;
    std::optional<ScanPick> best;
    double best_d2 = radius * radius;
    for (int cast = 1; cast <= last_cast(d); ++cast) {
        if (d.castfile[cast].empty()) continue;
        for (int k = 1; k <= scans_of(d, cast); ++k) {
            double t, sal;
            if (!ts_of(d, cast, k, t, sal)) continue;
            const double px = a.x(sal), py = a.y(t);
            const double d2 = (px - x) * (px - x) + (py - y) * (py - y);
            if (a.box.contains(px, py) && (d2 < best_d2 || (!best && d2 == best_d2)))
                best = ScanPick{cast, k}, best_d2 = d2;
        }
    }
    return best;
}
