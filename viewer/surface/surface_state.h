#pragma once

#include <cmath>

#include "surface/plot_surface.h"

// The properties a surface keeps from one call to the next; each keeps its
// value until it is set again.
struct DrawingState {
    Color fore = 0;
    Color back = rgb(255, 255, 255);
    Color fill = 0;
    int fill_style = kFillTransparent;
    int draw_style = kDrawSolid;
    bool underline = false;
    double current_x = 0;
    double current_y = 0;
};

// The user rectangle of Scale: left x1, top y1, right x2, bottom y2.
struct UserRect {
    double x1 = 0, y1 = 0, x2 = 1, y2 = 1;

    // Takes the new rectangle unless an axis is empty (x1 = x2 or y1 = y2) or
    // a value is not finite; then the previous one stays.
    void set(double nx1, double ny1, double nx2, double ny2) {
        if (!std::isfinite(nx1) || !std::isfinite(ny1) || !std::isfinite(nx2) || !std::isfinite(ny2) || nx1 == nx2 ||
            ny1 == ny2)
            return;
        x1 = nx1, y1 = ny1, x2 = nx2, y2 = ny2;
    }
};

// A PlotSurface that holds its DrawingState: the properties are stored here,
// and a surface overrides a setter only where setting it draws (BackColor on
// a window).
class SurfaceState : public PlotSurface {
public:
    Color ForeColor() const override { return state_.fore; }
    void ForeColor(Color c) override { state_.fore = c; }
    Color BackColor() const override { return state_.back; }
    void BackColor(Color c) override { state_.back = c; }
    void FillColor(Color c) override { state_.fill = c; }
    void FillStyle(int style) override { state_.fill_style = style; }
    void DrawStyle(int style) override { state_.draw_style = style; }
    void FontUnderline(bool on) override { state_.underline = on; }
    void CurrentX(double x) override { state_.current_x = x; }
    void CurrentY(double y) override { state_.current_y = y; }

    const DrawingState& state() const { return state_; }

protected:
    SurfaceState(Color back, Color fore) {
        state_.back = back;
        state_.fore = fore;
    }

    DrawingState state_;
};
