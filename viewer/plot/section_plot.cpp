#include "plot/section_plot.h"

#include <algorithm>
#include <cmath>

#include "plot/colour_map.h"
#include "plot/contours.h"
#include "plot/profiles.h"
#include "plot/round_steps.h"

namespace {

constexpr Color kSeabed = rgb(160, 160, 160);
constexpr Color kNoData = rgb(255, 255, 255);
constexpr Color kBlack = rgb(0, 0, 0);

// Distance and depth onto the box.
struct Axes {
    double km_lo, km_hi, depth_hi;
    Box box;
    double x(double km) const { return box.left + (km - km_lo) * (box.right - box.left) / (km_hi - km_lo); }
    double y(double depth) const { return box.top + depth * (box.bottom - box.top) / depth_hi; }
    double km(double x) const { return km_lo + (x - box.left) * (km_hi - km_lo) / (box.right - box.left); }
};

Axes axes_of(const SectionGrid& sec, const Box& box) {
    const double deepest = sec.deepest() > 0 ? sec.deepest() : 1;
    return {sec.km_lo, sec.km_hi, round_axis(0, deepest).hi, box};
}

double bar_left(const Box& b, const Canvas& c) { return b.right + 2 * c.char_width; }

// The raster cell colours: each cell the mean of its corners that hold a
// value, so the colour reaches the sea bed line, over which the bed is drawn.
RgbImage raster(const Field& f, double lo, double hi) {
    RgbImage img{f.nx - 1, f.ny - 1, {}};
    img.pixels.reserve(std::size_t(img.width) * std::size_t(img.height));
    for (int j = 0; j + 1 < f.ny; ++j)
        for (int i = 0; i + 1 < f.nx; ++i) {
            double sum = 0;
            int n = 0;
            for (double z : {f.at(i, j), f.at(i + 1, j), f.at(i, j + 1), f.at(i + 1, j + 1)})
                if (!std::isnan(z)) sum += z, ++n;
            img.pixels.push_back(n ? viridis((sum / n - lo) / (hi - lo)) : kNoData);
        }
    return img;
}

// Contours at round levels, each polyline long enough labelled at its middle
// on a white patch, unless another label is there.
void draw_contours(PlotSurface& s, const Canvas& c, const Axes& a, const Field& f, double lo, double hi) {
    const std::vector<double> levels = round_levels(lo, hi, steps_125(), 10);
    if (levels.empty()) return;
    const int decimals = step_decimals(levels.size() > 1 ? levels[1] - levels[0] : levels[0]);
    struct Label {
        double x, y;
        std::string text;
    };
    std::vector<Label> labels;
    s.ForeColor(kBlack);
    for (double level : levels)
        for (const Polyline& line : trace_contours(f, level)) {
            double length = 0;
            for (std::size_t k = 1; k < line.size(); ++k) {
                const double x0 = a.x(line[k - 1].x), y0 = a.y(line[k - 1].y), x1 = a.x(line[k].x), y1 = a.y(line[k].y);
                s.Line(x0, y0, x1, y1);
                length += std::hypot(x1 - x0, y1 - y0);
            }
            const std::string text = round_label(level, decimals);
            if (length < 6 * c.char_width * double(text.size())) continue;
            const FieldPoint mid = line[line.size() / 2];
            const double x = a.x(mid.x), y = a.y(mid.y), w = c.char_width * double(text.size());
            // One label where two would touch.
            const bool clear = std::none_of(labels.begin(), labels.end(), [&](const Label& l) {
                return std::abs(l.x - x) < (w + c.char_width * double(l.text.size())) / 2 + c.char_width &&
                       std::abs(l.y - y) < c.line_height;
            });
            if (clear) labels.push_back({x, y, text});
        }
    s.FillStyle(kFillSolid);
    for (const Label& l : labels) {
        const double w = c.char_width * double(l.text.size());
        s.ForeColor(kNoData);
        s.FillColor(kNoData);
        s.LineBox(l.x - w / 2 - 1, l.y - c.line_height / 2, l.x + w / 2 + 1, l.y + c.line_height / 2);
        s.ForeColor(kBlack);
        text_centred(s, c, l.x, l.y - c.line_height / 2, l.text);
    }
    s.FillStyle(kFillTransparent);
}

void draw_seabed(PlotSurface& s, const SectionGrid& sec, const Axes& a) {
    std::vector<UserPoint> bed{{a.x(a.km_lo), a.y(sec.stations.front().seabed)}};
    for (const SectionStation& st : sec.stations) bed.push_back({a.x(st.km), a.y(st.seabed)});
    bed.push_back({a.x(a.km_hi), a.y(sec.stations.back().seabed)});
    bed.push_back({a.x(a.km_hi), a.box.bottom});
    bed.push_back({a.x(a.km_lo), a.box.bottom});
    s.FillPolygon(bed, kSeabed);
}

// Ticks into the box along an edge, with labels thinned where they would touch.
void draw_axes(PlotSurface& s, const Canvas& c, const Axes& a) {
    const Box& b = a.box;
    const double len = 0.6 * c.char_width;
    s.ForeColor(kBlack);
    s.LineBox(b.left, b.top, b.right, b.bottom);
    const Ticks km = round_ticks(a.km_lo, a.km_hi), depth = round_ticks(0, a.depth_hi);
    std::vector<double> from, to;
    for (double v : km.at) {
        const double w = c.char_width * double(round_label(v, km.decimals).size());
        s.Line(a.x(v), b.bottom, a.x(v), b.bottom - len);
        from.push_back(a.x(v) - w / 2), to.push_back(a.x(v) + w / 2);
    }
    for (int k : thin_labels(from, to, c.char_width))
        text_centred(s, c, a.x(km.at[std::size_t(k)]), b.bottom + 0.25 * c.line_height,
                     round_label(km.at[std::size_t(k)], km.decimals));
    text_centred(s, c, (b.left + b.right) / 2, b.bottom + 1.35 * c.line_height, "distance along the track (km)");
    from.clear(), to.clear();
    for (double v : depth.at) {
        s.Line(b.left, a.y(v), b.left + len, a.y(v));
        from.push_back(a.y(v) - c.line_height / 2), to.push_back(a.y(v) + c.line_height / 2);
    }
    for (int k : thin_labels(from, to, 0)) {
        const std::string text = round_label(depth.at[std::size_t(k)], depth.decimals);
        print_at(s, b.left - 0.5 * c.char_width - c.char_width * double(text.size()),
                 a.y(depth.at[std::size_t(k)]) - c.line_height / 2, text);
    }
    print_at(s, 0.5 * c.char_width, b.bottom + 1.35 * c.line_height, "depth (m)");
}

// Every station as a tick above the box; the numbers of their first casts
// where they do not overlap.
void draw_stations(PlotSurface& s, const CruiseData& d, const Canvas& c, const SectionGrid& sec, const Axes& a) {
    std::vector<double> from, to;
    std::vector<std::string> texts;
    for (const SectionStation& st : sec.stations) {
        const double x = a.x(st.km);
        s.Line(x, a.box.top, x, a.box.top - 0.5 * c.line_height);
        texts.push_back(trimmed(d.castno[st.casts.front()]));
        const double w = c.char_width * double(texts.back().size());
        from.push_back(x - w / 2), to.push_back(x + w / 2);
    }
    for (int k : thin_labels(from, to, c.char_width / 2))
        print_at(s, from[std::size_t(k)], a.box.top - 1.6 * c.line_height, texts[std::size_t(k)]);
}

void draw_colour_bar(PlotSurface& s, const CruiseData& d, const Canvas& c, const Box& b, int var) {
    const double lo = d.axlim(var, 1), hi = d.axlim(var, 2);
    const double left = bar_left(b, c), right = left + 2.5 * c.char_width;
    RgbImage bar{1, 256, {}};
    for (int k = 255; k >= 0; --k) bar.pixels.push_back(viridis(k / 255.0));
    s.Image(bar, left, b.top, right, b.bottom);
    s.ForeColor(kBlack);
    s.LineBox(left, b.top, right, b.bottom);
    const Ticks t = round_ticks(lo, hi);
    std::vector<double> from, to;
    const auto y = [&](double v) { return b.bottom - (v - lo) * (b.bottom - b.top) / (hi - lo); };
    for (double v : t.at) {
        s.Line(right, y(v), right + 0.5 * c.char_width, y(v));
        from.push_back(-y(v) - c.line_height / 2), to.push_back(-y(v) + c.line_height / 2);
    }
    for (int k : thin_labels(from, to, 0))
        print_at(s, right + c.char_width, y(t.at[std::size_t(k)]) - c.line_height / 2,
                 round_label(t.at[std::size_t(k)], t.decimals));
    // Below the bar, on the row of the axis titles, where no cast number reaches.
    const std::string name = trimmed(d.varname[var]);
    print_at(s, std::min(left, c.width - c.char_width * (double(name.size()) + 0.5)), b.bottom + 1.35 * c.line_height,
             name);
}

}  // namespace

Box section_box(const Canvas& c, bool titled) { return frame_box(c, (titled ? 1.8 : 0) + 2.2, 12); }

void draw_section(PlotSurface& s, const CruiseData& d, const SectionGrid& sec, const Canvas& c,
                  const std::string& title) {
    const Color fore = s.ForeColor();
    const Box box = section_box(c, !title.empty());
    s.ForeColor(kBlack);
    if (!title.empty()) print_at(s, 0.5 * c.char_width, 0.3 * c.line_height, title);
    if (sec.stations.empty() || sec.var < kTemp || sec.var > kMaxVar) {
        print_at(s, box.left, (box.top + box.bottom) / 2, "No casts with a position and data");
        s.ForeColor(fore);
        return;
    }
    const Axes a = axes_of(sec, box);
    const double lo = d.axlim(sec.var, 1), hi = d.axlim(sec.var, 2);
    const Field f = section_field(sec, std::clamp(int(box.right - box.left) + 1, 2, 2000));
    if (f.ny > 1 && lo < hi) {
        s.Image(raster(f, lo, hi), box.left, a.y(0), box.right, a.y(sec.deepest()));
        draw_contours(s, c, a, f, lo, hi);
    }
    draw_seabed(s, sec, a);
    draw_axes(s, c, a);
    draw_stations(s, d, c, sec, a);
    if (lo < hi) draw_colour_bar(s, d, c, box, sec.var);
    s.ForeColor(fore);
}

std::optional<int> section_pick(const SectionGrid& sec, const Canvas& c, bool titled, double x) {
    if (sec.stations.empty()) return std::nullopt;
    const double km = axes_of(sec, section_box(c, titled)).km(x);
    const auto nearest = std::min_element(sec.stations.begin(), sec.stations.end(), [km](const auto& p, const auto& q) {
        return std::abs(p.km - km) < std::abs(q.km - km);
    });
    return nearest->casts.front();
}
