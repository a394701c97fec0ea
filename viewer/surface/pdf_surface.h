#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPdfWriter>
#include <memory>
#include <string>

#include "surface/plot_surface.h"

// The printer: print jobs that each write one PDF file.
//
// A job begins with the first Line, LineBox, Circle, Print, NewPage or EndDoc
// after construction or after the previous EndDoc. Its pages are kept in memory;
// EndDoc writes them to a temporary file beside the target and renames it over
// the target, so an existing file is only ever replaced by a complete one. A
// job with nothing drawn still gives a valid one-page file. Failures never
// throw: drawing goes on regardless, and job_ok() tells whether the last
// EndDoc wrote its file. A surface destroyed before EndDoc writes nothing.
//
// Scale maps onto the printable area, the page inside its margins, portrait.
// Lines are thin (0.3 pt) in DrawStyle; a dash pattern runs on across
// segments that join end to start, so a curve drawn as many short segments
// still shows its pattern. Cls and BackColor do not mark the page.
class PdfSurface : public PlotSurface {
public:
    // A4, or Letter where the locale measures in US units.
    static QPageSize default_page_size();
    // A fixed-pitch font at 8 points.
    static QFont default_font();
    static constexpr double kMarginMm = 10.0;

    explicit PdfSurface(std::string path, QPageSize page = default_page_size(),
                        QFont font = default_font());
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
    void NewPage() override;
    void EndDoc() override;

    Color ForeColor() const override { return fore_; }
    void ForeColor(Color c) override { fore_ = c; }
    Color BackColor() const override { return back_; }
    void BackColor(Color c) override { back_ = c; }
    void FillColor(Color c) override { fill_ = c; }
    void FillStyle(int style) override { fill_style_ = style; }
    void DrawStyle(int style) override { draw_style_ = style; }
    void FontUnderline(bool on) override { underline_ = on; }
    void CurrentX(double x) override { current_x_ = x; }
    void CurrentY(double y) override { current_y_ = y; }

private:
    // The job's painter, beginning a job when none is open; null when the
    // document could not be started.
    QPainter* painter();
    QPointF dev(double x, double y) const;
    QPen pen(double dash_offset) const;

    std::string path_;
    QPageSize page_;
    QFont font_;
    double width_ = 1, height_ = 1;  // printable area, device units
    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
    Color fore_ = 0, back_ = rgb(255, 255, 255), fill_ = 0;
    int fill_style_ = kFillTransparent;
    int draw_style_ = kDrawSolid;
    bool underline_ = false;
    double current_x_ = 0, current_y_ = 0;

    // Where the last Line ended and how far its pattern had run, in pen widths.
    QPointF pattern_end_;
    double pattern_run_ = -1;  // < 0: no pattern to continue
    int pattern_style_ = kDrawSolid;

    QByteArray pdf_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    bool ok_ = false;
    std::string why_ = "no print job has ended";
};
