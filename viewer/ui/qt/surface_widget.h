#pragma once

#include <QWidget>
#include <functional>

#include "surface/image_surface.h"

// A widget showing the off-screen image its routines draw on. The image keeps
// what was drawn until the routines clear it; a change of size gives a new,
// blank image of the new size and runs the resize handler, which redraws.
class SurfaceWidget : public QWidget {
    Q_OBJECT
public:
    SurfaceWidget(QWidget* parent, Color back, Color fore);

    ImageSurface& surface() { return surface_; }
    // Makes the image the widget's size now, before it is shown, so drawing
    // done before the first show is kept.
    void fit_surface();
    std::function<void()> on_resize;
    // A mouse press: button (1 left, 2 right, 4 middle), shift mask, position in user units.
    std::function<void(int, int, double, double)> on_mouse_down;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ImageSurface surface_;
};

// A surface widget in the system's window colours (background and text), as
// the listing and the map have.
SurfaceWidget* window_coloured_view(QWidget* parent);

// Shift mask of a key or mouse event: 1 shift, 2 control, 4 alt.
int shift_mask(Qt::KeyboardModifiers modifiers);
