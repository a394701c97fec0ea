#pragma once

#include <string>
#include <vector>

#include "store/color.h"

// A point in user coordinates.
struct UserPoint {
    double x = 0, y = 0;
};

// An image of width x height pixels, row by row from the top, each a Color.
struct RgbImage {
    int width = 0, height = 0;
    std::vector<Color> pixels;
};

// The immediate-mode drawing interface of the profile window, the station map,
// the data listing and the printer. All coordinates are user units of the last
// Scale; y grows downwards in every picture the viewer draws.
//
// Implementations must be deterministic: the same Line with the same scale
// covers the same pixels every time, so a drawing is erased by drawing it again
// in BackColor.
class PlotSurface {
public:
    virtual ~PlotSurface() = default;

    // Fills the whole surface with BackColor (window surfaces only).
    virtual void Cls() = 0;
    // Maps the drawable area: left edge x1, top y1, right x2, bottom y2. Draws nothing.
    virtual void Scale(double x1, double y1, double x2, double y2) = 0;
    // A segment in ForeColor (and DrawStyle); coincident ends draw one point.
    // Segments reaching outside the surface are clipped at its edge.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    // The box form of Line: outline in ForeColor, interior in FillColor when
    // FillStyle is 0.
    virtual void LineBox(double x1, double y1, double x2, double y2) = 0;
    // A full circle; the radius is in user units of the x axis. Outline in
    // ForeColor, interior in FillColor when FillStyle is 0.
    virtual void Circle(double x, double y, double radius) = 0;
    // One line of text with the top-left corner of its first character cell at
    // (CurrentX, CurrentY), underlined when FontUnderline is on. An empty text
    // draws nothing.
    virtual void Print(const std::string& text) = 0;
    // The image stretched over the rectangle from (x1, y1), where its first
    // pixel's corner goes, to (x2, y2), the last pixel's far corner: each pixel
    // a block of its colour. An image whose pixels do not number width x
    // height draws nothing.
    virtual void Image(const RgbImage& image, double x1, double y1, double x2, double y2) = 0;
    // The polygon through `points`, closed back to the first, filled in `color`
    // by the even-odd rule, without an outline. Fewer than three points, or a
    // point that is not finite, draw nothing.
    virtual void FillPolygon(const std::vector<UserPoint>& points, Color color) = 0;
    // Printer only: starts a new page within the current job.
    virtual void NewPage() = 0;
    // Printer only: ends the job, writing out the pages drawn so far.
    virtual void EndDoc() = 0;

    virtual Color ForeColor() const = 0;
    virtual void ForeColor(Color c) = 0;
    virtual Color BackColor() const = 0;
    // Setting BackColor leaves the surface cleared to the new colour.
    virtual void BackColor(Color c) = 0;
    virtual void FillColor(Color c) = 0;
    virtual void FillStyle(int style) = 0;  // 0 solid, 1 transparent (initial)
    virtual void DrawStyle(int style) = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot
    virtual void FontUnderline(bool on) = 0;
    virtual void CurrentX(double x) = 0;
    virtual void CurrentY(double y) = 0;
};

inline constexpr int kFillSolid = 0;
inline constexpr int kFillTransparent = 1;
inline constexpr int kDrawSolid = 0;
inline constexpr int kDrawDash = 1;
inline constexpr int kDrawDot = 2;
inline constexpr int kDrawDashDot = 3;
