#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <string>

#include "surface/plot_surface.h"

// A window's drawing, kept in an off-screen image that the window paints.
//
// The image has width × height logical pixels at the screen's device pixel
// ratio. Lines, boxes and circles are rasterised here, one device pixel wide
// and without anti-aliasing, from device coordinates computed afresh from the
// current Scale on every call (x_dev = floor((x − x1)·W / (x2 − x1)), W the
// image width in device pixels), so the same call always covers the same
// pixels and drawing it again in BackColor erases it exactly. Only text goes
// through QPainter.
//
// Before the first Scale the user units are logical pixels of the initial size.
class ImageSurface : public PlotSurface {
public:
    // The font of every window of the viewer: the platform's general UI font
    // (a sans-serif), 8.25 points, bold.
    static QFont default_font();

    // width, height: logical pixels (0 counts as 1); device_pixel_ratio: the
    // screen's (values not above 0 count as 1). The image starts cleared to `back`.
    ImageSurface(int width, int height, double device_pixel_ratio = 1.0,
                 Color back = rgb(255, 255, 255), Color fore = 0, QFont font = default_font());

    // The drawing, with its device pixel ratio set, for the window to paint.
    const QImage& image() const { return image_; }
    QSize size() const { return size_; }  // logical pixels
    double device_pixel_ratio() const { return dpr_; }

    // A new image of the new size, cleared to BackColor; the old drawing is
    // dropped (the windows redraw on resize). The Scale keeps applying: the same
    // user rectangle maps onto the new image.
    void resize(int width, int height);
    void resize(int width, int height, double device_pixel_ratio);

    // The font of later Prints; FontUnderline still applies on top of it.
    void set_font(const QFont& font) { font_ = font; }
    const QFont& font() const { return font_; }

    // User coordinates of a point given in logical pixels (a mouse position).
    QPointF to_user(QPointF logical) const;

    void Cls() override;
    // A Scale with x1 = x2, y1 = y2 or a non-finite value is ignored: the
    // previous mapping stays.
    void Scale(double x1, double y1, double x2, double y2) override;
    // Non-finite coordinates draw nothing.
    void Line(double x1, double y1, double x2, double y2) override;
    void LineBox(double x1, double y1, double x2, double y2) override;
    void Circle(double x, double y, double radius) override;
    void Print(const std::string& text) override;
    void NewPage() override {}
    void EndDoc() override {}

    Color ForeColor() const override { return fore_; }
    void ForeColor(Color c) override { fore_ = c; }
    Color BackColor() const override { return back_; }
    void BackColor(Color c) override;
    void FillColor(Color c) override { fill_ = c; }
    void FillStyle(int style) override { fill_style_ = style; }
    void DrawStyle(int style) override { draw_style_ = style; }
    void FontUnderline(bool on) override { underline_ = on; }
    void CurrentX(double x) override { current_x_ = x; }
    void CurrentY(double y) override { current_y_ = y; }

private:
    void make_image(int width, int height, double device_pixel_ratio);
    double dev_x(double x) const;
    double dev_y(double y) const;
    void span(double y, double from, double to, QRgb c);  // one row, clipped

    QImage image_;
    QSize size_;
    double dpr_ = 1.0;
    double x1_ = 0, y1_ = 0, x2_ = 1, y2_ = 1;
    Color fore_;
    Color back_;
    Color fill_ = 0;
    int fill_style_ = kFillTransparent;
    int draw_style_ = kDrawSolid;
    bool underline_ = false;
    double current_x_ = 0;
    double current_y_ = 0;
    QFont font_;
};
