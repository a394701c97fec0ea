#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <string>

#include "surface/surface_state.h"

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
class ImageSurface : public SurfaceState {
public:
    // The font of every window of the viewer: the platform's general UI font
    // (a sans-serif), 8.25 points, bold.
    static QFont default_font();

    // width, height: logical pixels (0 counts as 1); device_pixel_ratio: the
    // screen's (values not above 0 count as 1). The image starts cleared to `back`.
    ImageSurface(int width, int height, double device_pixel_ratio = 1.0, Color back = rgb(255, 255, 255),
                 Color fore = 0, QFont font = default_font());

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
    // A device pixel takes the colour of the image pixel under its centre.
    void Image(const RgbImage& image, double x1, double y1, double x2, double y2) override;
    // A device pixel is filled when its centre lies inside.
    void FillPolygon(const std::vector<UserPoint>& points, Color color) override;
    void NewPage() override {}
    void EndDoc() override {}

    // Clears the image to the new colour.
    void BackColor(Color c) override;
    using SurfaceState::BackColor;

private:
    void make_image(int width, int height, double device_pixel_ratio);
    double dev_x(double x) const;
    double dev_y(double y) const;
    void span(double y, double from, double to, QRgb c);  // one row, clipped

    QImage image_;
    QSize size_;
    double dpr_ = 1.0;
    UserRect user_;
    QFont font_;
};
