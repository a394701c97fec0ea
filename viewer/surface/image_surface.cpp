#include "surface/image_surface.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "surface/qt_text.h"
#include "surface/segment_clip.h"

namespace {

QRgb to_qrgb(Color c) { return qRgb(red_of(c), green_of(c), blue_of(c)); }

bool finite(double a, double b, double c, double d = 0) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Pixel run lengths of the line styles, alternately on and off.
struct Pattern {
    std::array<int, 4> runs;
    int count;
};
constexpr Pattern kPatterns[4] = {
    {{1, 0, 0, 0}, 1},   // solid
    {{18, 6, 0, 0}, 2},  // dash
    {{3, 3, 0, 0}, 2},   // dot
    {{9, 6, 3, 6}, 4},   // dash-dot
};

}  // namespace

QFont ImageSurface::default_font() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}

ImageSurface::ImageSurface(int width, int height, double device_pixel_ratio, Color back, Color fore, QFont font)
    : SurfaceState(back, fore), font_(std::move(font)) {
    make_image(width, height, device_pixel_ratio);
    user_.x2 = size_.width();
    user_.y2 = size_.height();
}

void ImageSurface::make_image(int width, int height, double device_pixel_ratio) {
    dpr_ = device_pixel_ratio > 0 && std::isfinite(device_pixel_ratio) ? device_pixel_ratio : 1.0;
    size_ = QSize(std::max(width, 1), std::max(height, 1));
    const int w = std::max(1, int(std::lround(size_.width() * dpr_)));
    const int h = std::max(1, int(std::lround(size_.height() * dpr_)));
    image_ = QImage(w, h, QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr_);
    Cls();
}

void ImageSurface::resize(int width, int height) { make_image(width, height, dpr_); }

void ImageSurface::resize(int width, int height, double device_pixel_ratio) {
    make_image(width, height, device_pixel_ratio);
}

QPointF ImageSurface::to_user(QPointF logical) const {
    return {user_.x1 + logical.x() * dpr_ * ((user_.x2 - user_.x1) / image_.width()),
            user_.y1 + logical.y() * dpr_ * ((user_.y2 - user_.y1) / image_.height())};
}

double ImageSurface::dev_x(double x) const { return (x - user_.x1) * (image_.width() / (user_.x2 - user_.x1)); }
double ImageSurface::dev_y(double y) const { return (y - user_.y1) * (image_.height() / (user_.y2 - user_.y1)); }

void ImageSurface::Cls() { image_.fill(to_qrgb(state_.back)); }

void ImageSurface::BackColor(Color c) {
    state_.back = c;
    Cls();
}

void ImageSurface::Scale(double x1, double y1, double x2, double y2) { user_.set(x1, y1, x2, y2); }

void ImageSurface::Line(double x1, double y1, double x2, double y2) {
    double u0 = dev_x(x1), v0 = dev_y(y1), u1 = dev_x(x2), v1 = dev_y(y2);
    if (!finite(u0, v0, u1, v1)) return;
    // One canonical direction, so a segment and its reverse cover the same pixels.
    if (u1 < u0 || (u1 == u0 && v1 < v0)) {
        std::swap(u0, u1);
        std::swap(v0, v1);
    }
    const int w = image_.width(), h = image_.height();
    // Clip one pixel beyond the image: the integer ends then stay small while
    // the visible part keeps the slope of the whole segment.
    if (!clip_segment(u0, v0, u1, v1, -1, -1, w + 1, h + 1)) return;
    auto to_int = [](double d, int hi) { return int(std::clamp(std::floor(d), -2.0, double(hi + 2))); };
    int x = to_int(u0, w), y = to_int(v0, h);
    const int xe = to_int(u1, w), ye = to_int(v1, h);

    const Pattern& pat = kPatterns[state_.draw_style >= 0 && state_.draw_style < 4 ? state_.draw_style : 0];
    const int unit = std::max(1, int(std::lround(dpr_)));
    int run = 0, left = pat.runs[0] * unit;

    const QRgb c = to_qrgb(state_.fore);
    uchar* bits = image_.bits();
    const qsizetype bpl = image_.bytesPerLine();
    const int dx = std::abs(xe - x), dy = -std::abs(ye - y);
    const int sx = x < xe ? 1 : -1, sy = y < ye ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        if (run % 2 == 0 && x >= 0 && x < w && y >= 0 && y < h) reinterpret_cast<QRgb*>(bits + y * bpl)[x] = c;
        if (pat.count > 1 && --left == 0) {
            run = (run + 1) % pat.count;
            left = pat.runs[run] * unit;
        }
        if (x == xe && y == ye) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void ImageSurface::span(double y, double from, double to, QRgb c) {
    const int w = image_.width(), h = image_.height();
    if (y < 0 || y >= h || to < 0 || from >= w || from > to) return;
    QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(int(y)));
    std::fill(row + int(std::max(from, 0.0)), row + int(std::min(to, w - 1.0)) + 1, c);
}

void ImageSurface::LineBox(double x1, double y1, double x2, double y2) {
    const double u0 = dev_x(x1), v0 = dev_y(y1), u1 = dev_x(x2), v1 = dev_y(y2);
    if (!finite(u0, v0, u1, v1)) return;
    const double left = std::floor(std::min(u0, u1)), right = std::floor(std::max(u0, u1));
    const double top = std::floor(std::min(v0, v1)), bottom = std::floor(std::max(v0, v1));
    const double first = std::max(top, 0.0), last = std::min(bottom, image_.height() - 1.0);
    const QRgb fc = to_qrgb(state_.fore);
    if (state_.fill_style == kFillSolid)
        for (double y = first; y <= last; ++y) span(y, left, right, to_qrgb(state_.fill));
    span(top, left, right, fc);
    span(bottom, left, right, fc);
    for (double y = first; y <= last; ++y) {
        span(y, left, left, fc);
        span(y, right, right, fc);
    }
}

void ImageSurface::Circle(double x, double y, double radius) {
    const double cu = dev_x(x), cv = dev_y(y);
    const double r = std::round(std::abs(radius * (image_.width() / (user_.x2 - user_.x1))));
    if (!finite(cu, cv, r)) return;
    const double cx = std::floor(cu), cy = std::floor(cv);
    // Row dy of the disc holds the pixels with |dx| <= half(dy), the midpoint
    // rule x² + y² <= r² + r; -1 outside the disc.
    auto half = [r](double dy) { return std::abs(dy) > r ? -1.0 : std::floor(std::sqrt(r * r + r - dy * dy)); };
    const double first = std::max(cy - r, 0.0), last = std::min(cy + r, image_.height() - 1.0);
    const QRgb fc = to_qrgb(state_.fore), ic = to_qrgb(state_.fill);
    for (double py = first; py <= last; ++py) {
        const double dy = py - cy, w = half(dy);
        if (w < 0) continue;
        if (state_.fill_style == kFillSolid) span(py, cx - w, cx + w, ic);
        // The outline runs from just past the next row outwards to the edge of
        // this row, so the curve is closed and one pixel thin.
        const double inner = std::min(half(dy < 0 ? dy - 1 : dy + 1) + 1, w);
        span(py, cx - w, cx - inner, fc);
        span(py, cx + inner, cx + w, fc);
    }
}

void ImageSurface::Print(const std::string& text) {
    if (text.empty()) return;
    const double u = std::floor(dev_x(state_.current_x)), v = std::floor(dev_y(state_.current_y));
    if (!std::isfinite(u) || !std::isfinite(v) || std::abs(u) > 1e6 || std::abs(v) > 1e6) return;
    QFont f = font_;
    f.setUnderline(state_.underline);
    QPainter p(&image_);
    p.setFont(f);
    p.setPen(QColor(to_qrgb(state_.fore)));
    const double ascent = QFontMetricsF(f, &image_).ascent();
    // Baseline on a whole device pixel keeps the glyphs crisp.
    p.drawText(QPointF(u / dpr_, (v + std::round(ascent * dpr_)) / dpr_), to_qstring(text));
}

void ImageSurface::Image(const RgbImage& image, double x1, double y1, double x2, double y2) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
        return;
    const double u0 = dev_x(x1), v0 = dev_y(y1), u1 = dev_x(x2), v1 = dev_y(y2);
    if (!finite(u0, v0, u1, v1) || u0 == u1 || v0 == v1) return;
    // The source column and row under each device pixel's centre; -1 outside.
    const auto sources = [](double from, double to, int device, int count) {
        std::vector<int> out(std::size_t(device), -1);
        const double lo = std::min(from, to), hi = std::max(from, to);
        for (int p = std::max(0, int(std::floor(lo))); p < device && p < hi; ++p) {
            const double t = (p + 0.5 - from) / (to - from);
            if (t >= 0 && t < 1) out[std::size_t(p)] = std::min(count - 1, int(t * count));
        }
        return out;
    };
    const std::vector<int> cols = sources(u0, u1, image_.width(), image.width);
    const std::vector<int> rows = sources(v0, v1, image_.height(), image.height);
    for (int y = 0; y < image_.height(); ++y) {
        if (rows[std::size_t(y)] < 0) continue;
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        const Color* src = image.pixels.data() + std::size_t(rows[std::size_t(y)]) * std::size_t(image.width);
        for (int x = 0; x < image_.width(); ++x)
            if (cols[std::size_t(x)] >= 0) line[x] = to_qrgb(src[cols[std::size_t(x)]]);
    }
}

void ImageSurface::FillPolygon(const std::vector<UserPoint>& points, Color color) {
    if (points.size() < 3) return;
    std::vector<QPointF> dev;
    for (const UserPoint& p : points) {
        dev.emplace_back(dev_x(p.x), dev_y(p.y));
        if (!finite(dev.back().x(), dev.back().y(), 0)) return;
    }
    const QRgb c = to_qrgb(color);
    std::vector<double> cross;
    for (int y = 0; y < image_.height(); ++y) {
        const double cy = y + 0.5;
        cross.clear();
        for (std::size_t k = 0; k < dev.size(); ++k) {
            const QPointF& a = dev[k];
            const QPointF& b = dev[(k + 1) % dev.size()];
            if ((a.y() <= cy) != (b.y() <= cy))
                cross.push_back(a.x() + (cy - a.y()) * (b.x() - a.x()) / (b.y() - a.y()));
        }
        std::sort(cross.begin(), cross.end());
        // Pixels whose centres lie in [left, right) of each pair.
        for (std::size_t k = 0; k + 1 < cross.size(); k += 2)
            span(y, std::ceil(cross[k] - 0.5), std::ceil(cross[k + 1] - 0.5) - 1, c);
    }
}
