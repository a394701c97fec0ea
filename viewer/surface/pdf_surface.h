#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPolygonF>
#include <memory>
#include <string>

#include "files/output_file.h"
#include "surface/surface_state.h"

// The printer: print jobs that each write one PDF file.
//
// A job begins with the first Line, LineBox, Circle, Print, NewPage or EndDoc
// after construction or after the previous EndDoc. Its pages are kept in memory;
// EndDoc hands them to the output writer (OutputFile) under `rules`, so an
// existing file is only ever replaced by a complete one. A
// job with nothing drawn still gives a valid one-page file. Failures never
// throw: drawing goes on regardless, and job_ok() tells whether the last
// EndDoc wrote its file. A surface destroyed before EndDoc writes nothing.
//
// Scale maps onto the printable area, the page inside its margins, portrait
// unless the surface is made for landscape pages;
// every point is rounded to whole device units of 1/1200 inch.
// Lines are thin (0.3 pt) in DrawStyle; a dash pattern runs on across
// segments that join end to start, so a curve drawn as many short segments
// still shows its pattern. Such segments, in the same colour and style, reach
// the page as one stroked path: the run is stroked when a segment does not
// continue it, at any other drawing call, NewPage or EndDoc. Cls and BackColor
// do not mark the page.
class PdfSurface : public SurfaceState {
public:
    // A4, or Letter where the locale measures in US units.
    static QPageSize default_page_size();
    // A fixed-pitch font at 8 points.
    static QFont default_font();
    static constexpr double kMarginMm = 10.0;

    explicit PdfSurface(std::string path, QPageSize page = default_page_size(), QFont font = default_font(),
                        QPageLayout::Orientation orientation = QPageLayout::Portrait, OutputRules rules = {});
    ~PdfSurface() override;
    PdfSurface(const PdfSurface&) = delete;
    PdfSurface& operator=(const PdfSurface&) = delete;

    const std::string& path() const { return path_; }
    // Whether the last EndDoc wrote the file; false before any EndDoc and while
    // a job is open. `why` (optional) receives the reason.
    bool job_ok(std::string* why = nullptr) const;

    void Cls() override {}
    void Scale(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void LineBox(double x1, double y1, double x2, double y2) override;
    void Circle(double x, double y, double radius) override;
    void Print(const std::string& text) override;
    void Image(const RgbImage& image, double x1, double y1, double x2, double y2) override;
    void FillPolygon(const std::vector<UserPoint>& points, Color color) override;
    void NewPage() override;
    void EndDoc() override;

private:
    // The job's painter, beginning a job when none is open; null when the
    // document could not be started.
    QPainter* painter();
    QPointF dev(double x, double y) const;
    QPen pen(Color color, int style, double dash_offset) const;
    // Strokes the run of joined segments, if any, and ends it.
    void stroke_run();

    std::string path_;
    OutputRules rules_;
    QPageSize page_;
    QFont font_;
    QPageLayout::Orientation orientation_;
    double width_ = 1, height_ = 1;  // printable area, device units
    UserRect user_;

    // Where the last Line ended and how far its pattern had run, in pen widths.
    QPointF pattern_end_;
    double pattern_run_ = -1;  // < 0: no pattern to continue
    int pattern_style_ = kDrawSolid;

    // The segments joined so far, as device points, with the colour and style
    // they share and the pattern's offset at the first point.
    QPolygonF run_;
    Color run_color_ = 0;
    int run_style_ = kDrawSolid;
    double run_offset_ = 0;

    QByteArray pdf_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    bool ok_ = false;
    std::string why_ = "no print job has ended";
};
