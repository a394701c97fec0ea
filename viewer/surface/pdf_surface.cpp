#include "surface/pdf_surface.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "surface/qt_text.h"
#include "surface/segment_clip.h"

namespace {

constexpr int kResolution = 1200;                          // device units per inch
constexpr double kPenMm = 0.3 * 25.4 / 72;                 // 0.3 pt
constexpr double kPenWidth = kPenMm / 25.4 * kResolution;  // device units
// Beyond this many device units (about 2 m) nothing can touch the page.
constexpr double kFar = 1e5;

QColor to_qcolor(Color c) { return QColor(red_of(c), green_of(c), blue_of(c)); }

// Dash patterns in millimetres, alternately on and off, by DrawStyle; any
// other style draws solid.
struct Dashes {
    std::array<double, 4> mm;
    int count;
};
constexpr Dashes kDashes[] = {
    {{}, 0},                    // solid
    {{2.0, 1.0}, 2},            // dash
    {{0.2, 0.8}, 2},            // dot
    {{2.0, 0.8, 0.2, 0.8}, 4},  // dash-dot
};
const Dashes& dashes(int style) { return kDashes[style > 0 && style < 4 ? style : 0]; }

// The pattern in pen widths, as QPen wants it.
QList<qreal> pattern_widths(int style) {
    QList<qreal> out;
    for (int i = 0; i < dashes(style).count; ++i) out.push_back(dashes(style).mm[std::size_t(i)] / kPenMm);
    return out;
}

// The length of one whole pattern in pen widths; 0 for solid.
double pattern_length(int style) {
    double sum = 0;
    for (int i = 0; i < dashes(style).count; ++i) sum += dashes(style).mm[std::size_t(i)];
    return sum / kPenMm;
}

}  // namespace

QPageSize PdfSurface::default_page_size() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                      : QPageSize(QPageSize::A4);
}

// The reports lay their tables out by character counts, so the paper gets a
// fixed-pitch font; at 8 points the station labels clear their dots.
QFont PdfSurface::default_font() {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(8);
    return f;
}

PdfSurface::PdfSurface(std::string path, QPageSize page, QFont font, QPageLayout::Orientation orientation,
                       OutputRules rules)
    : SurfaceState(rgb(255, 255, 255), 0),
      path_(std::move(path)),
      rules_(std::move(rules)),
      page_(std::move(page)),
      font_(std::move(font)),
      orientation_(orientation) {
    const QPageLayout layout(page_, orientation_, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                             QPageLayout::Millimeter);
    const QRect area = layout.paintRectPixels(kResolution);
    width_ = std::max(1, area.width());
    height_ = std::max(1, area.height());
}

PdfSurface::~PdfSurface() {
    // An unfinished job is dropped; the target file stays as it was.
    if (painter_ && painter_->isActive()) {
        stroke_run();
        painter_->end();
    }
}

bool PdfSurface::job_ok(std::string* why) const {
    if (why) *why = ok_ ? std::string() : why_;
    return ok_;
}

QPainter* PdfSurface::painter() {
    if (painter_) return painter_->isActive() ? painter_.get() : nullptr;
    ok_ = false;
    why_ = "the print job has not ended";
    pattern_run_ = -1;
    run_.clear();
    pdf_.clear();
    buffer_ = std::make_unique<QBuffer>(&pdf_);
    buffer_->open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(buffer_.get());
    writer_->setResolution(kResolution);
    writer_->setPageLayout(QPageLayout(page_, orientation_, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                       QPageLayout::Millimeter));
    writer_->setCreator(QStringLiteral("Quenvar9"));
    writer_->setTitle(QFileInfo(QFile::decodeName(QByteArray::fromStdString(path_))).fileName());
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) {
        why_ = "could not make the PDF document for " + path_;
        return nullptr;
    }
    painter_->setClipRect(QRectF(0, 0, width_, height_));
    return painter_.get();
}

// Whole device units (1/1200 inch, far below what paper shows): the page's
// content then carries short integers instead of long fractions, which halves
// what is written and compressed for a page of profiles.
QPointF PdfSurface::dev(double x, double y) const {
    return {std::round((x - user_.x1) * (width_ / (user_.x2 - user_.x1))),
            std::round((y - user_.y1) * (height_ / (user_.y2 - user_.y1)))};
}

QPen PdfSurface::pen(Color color, int style, double dash_offset) const {
    QPen p(to_qcolor(color));
    p.setWidthF(kPenWidth);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    const QList<qreal> dashes = pattern_widths(style);
    if (!dashes.isEmpty()) {
        p.setDashPattern(dashes);
        p.setDashOffset(dash_offset);
    }
    return p;
}

void PdfSurface::stroke_run() {
    if (run_.size() > 1 && painter_) {
        painter_->setPen(pen(run_color_, run_style_, run_offset_));
        painter_->drawPolyline(run_);
    }
    run_.clear();
}

void PdfSurface::Scale(double x1, double y1, double x2, double y2) { user_.set(x1, y1, x2, y2); }

void PdfSurface::Line(double x1, double y1, double x2, double y2) {
    QPainter* p = painter();
    if (!p) return;
    const QPointF a = dev(x1, y1), b = dev(x2, y2);
    if (a == b) {
        stroke_run();
        if (!QRectF(0, 0, width_, height_).contains(a)) return;
        p->fillRect(QRectF(a.x() - kPenWidth / 2, a.y() - kPenWidth / 2, kPenWidth, kPenWidth), to_qcolor(state_.fore));
        pattern_end_ = a;
        return;
    }
    // The pattern runs on when this segment starts where the last one ended.
    const int style = state_.draw_style;
    const double period = pattern_length(style);
    double offset = 0;
    if (period > 0 && pattern_run_ >= 0 && pattern_style_ == style && a == pattern_end_) offset = pattern_run_;
    pattern_style_ = style;
    pattern_end_ = b;
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    pattern_run_ = period > 0 && std::isfinite(length) ? std::fmod(offset + length / kPenWidth, period) : -1;

    double u0 = a.x(), v0 = a.y(), u1 = b.x(), v1 = b.y();
    const bool shown = clip_segment(u0, v0, u1, v1, -kFar, -kFar, width_ + kFar, height_ + kFar);
    if (shown && u0 == a.x() && v0 == a.y() && u1 == b.x() && v1 == b.y()) {
        if (!run_.isEmpty() && a == run_.back() && run_color_ == state_.fore && run_style_ == style) {
            run_.append(b);
            return;
        }
        stroke_run();
        run_ = QPolygonF{a, b};
        run_color_ = state_.fore;
        run_style_ = style;
        run_offset_ = offset;
        return;
    }
    // Far outside: the clipped part is drawn alone.
    stroke_run();
    if (!shown) return;
    // A clipped start moves the pattern's origin; keep the dashes in place.
    if (period > 0 && (u0 != a.x() || v0 != a.y()))
        offset = std::fmod(offset + std::hypot(u0 - a.x(), v0 - a.y()) / kPenWidth, period);
    p->setPen(pen(state_.fore, style, offset));
    p->drawLine(QPointF(u0, v0), QPointF(u1, v1));
}

void PdfSurface::LineBox(double x1, double y1, double x2, double y2) {
    QPainter* p = painter();
    if (!p) return;
    stroke_run();
    const QPointF a = dev(x1, y1), b = dev(x2, y2);
    const QRectF far(-kFar, -kFar, width_ + 2 * kFar, height_ + 2 * kFar);
    QRectF box = QRectF(a, b).normalized();
    if (!std::isfinite(box.width()) || !std::isfinite(box.height()) || !box.intersects(far)) return;
    box = box.intersected(far);
    p->setPen(pen(state_.fore, state_.draw_style, 0));
    p->setBrush(state_.fill_style == kFillSolid ? QBrush(to_qcolor(state_.fill)) : QBrush(Qt::NoBrush));
    p->drawRect(box);
}

void PdfSurface::Circle(double x, double y, double radius) {
    QPainter* p = painter();
    if (!p) return;
    stroke_run();
    const QPointF c = dev(x, y);
    const double r = std::abs(radius * (width_ / (user_.x2 - user_.x1)));
    if (!std::isfinite(c.x()) || !std::isfinite(c.y()) || !(r < kFar)) return;
    if (c.x() + r < 0 || c.x() - r > width_ || c.y() + r < 0 || c.y() - r > height_) return;
    p->setPen(pen(state_.fore, state_.draw_style, 0));
    p->setBrush(state_.fill_style == kFillSolid ? QBrush(to_qcolor(state_.fill)) : QBrush(Qt::NoBrush));
    p->drawEllipse(c, r, r);
}

void PdfSurface::Print(const std::string& text) {
    QPainter* p = painter();
    if (!p) return;
    stroke_run();
    if (text.empty()) return;
    const QPointF at = dev(state_.current_x, state_.current_y);
    if (!(std::abs(at.x()) < kFar) || !(std::abs(at.y()) < kFar)) return;
    QFont f = font_;
    f.setUnderline(state_.underline);
    p->setFont(f);
    p->setPen(to_qcolor(state_.fore));
    p->drawText(QPointF(at.x(), at.y() + QFontMetricsF(f, writer_.get()).ascent()), to_qstring(text));
}

void PdfSurface::NewPage() {
    QPainter* p = painter();
    if (!p) return;
    stroke_run();
    writer_->newPage();
    p->setClipRect(QRectF(0, 0, width_, height_));
    pattern_run_ = -1;
}

void PdfSurface::EndDoc() {
    QPainter* p = painter();
    stroke_run();
    const bool drawn = p != nullptr && p->end();
    painter_.reset();
    writer_.reset();
    buffer_.reset();
    pattern_run_ = -1;
    if (!drawn) {
        ok_ = false;
        why_ = "could not make the PDF document for " + path_;
        return;
    }
    ok_ = write_output(path_, std::string_view(pdf_.constData(), std::size_t(pdf_.size())), why_, rules_);
    pdf_.clear();
}

void PdfSurface::Image(const RgbImage& image, double x1, double y1, double x2, double y2) {
    QPainter* p = painter();
    if (!p) return;
    stroke_run();
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
        return;
    const QPointF a = dev(x1, y1), b = dev(x2, y2);
    const QRectF box = QRectF(a, b).normalized();
    const QRectF far(-kFar, -kFar, width_ + 2 * kFar, height_ + 2 * kFar);
    if (!std::isfinite(box.width()) || !std::isfinite(box.height()) || box.isEmpty() || !far.contains(box)) return;
    QImage img(image.width, image.height, QImage::Format_RGB32);
    for (int y = 0; y < image.height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < image.width; ++x) {
            const Color c = image.pixels[std::size_t(y) * std::size_t(image.width) + std::size_t(x)];
            line[x] = qRgb(red_of(c), green_of(c), blue_of(c));
        }
    }
    // Flate rather than JPEG: the colours of a colour map stay exact, and
    // neighbouring cells do not bleed into each other.
    p->setRenderHint(QPainter::LosslessImageRendering);
    // A rectangle given right to left, or bottom to top, shows the image mirrored.
    p->drawImage(box, img.mirrored(b.x() < a.x(), b.y() < a.y()));
}

void PdfSurface::FillPolygon(const std::vector<UserPoint>& points, Color color) {
    QPainter* p = painter();
    if (!p) return;
    stroke_run();
    if (points.size() < 3) return;
    QPolygonF polygon;
    for (const UserPoint& u : points) {
        const QPointF d = dev(u.x, u.y);
        if (!std::isfinite(d.x()) || !std::isfinite(d.y())) return;
        // Beyond the far limit only the slope of edges reaching out changes.
        polygon << QPointF(std::clamp(d.x(), -kFar, width_ + kFar), std::clamp(d.y(), -kFar, height_ + kFar));
    }
    p->setPen(Qt::NoPen);
    p->setBrush(to_qcolor(color));
    p->drawPolygon(polygon, Qt::OddEvenFill);
}
