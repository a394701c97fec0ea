#pragma once

#include <QRect>
#include <QWidget>
#include <functional>

#include "ui/qt/surface_widget.h"
#include "ui/windows.h"

// A companion window showing one drawing: "T-S Diagram", "Section". It is
// created hidden; closing it hides it (the close is accepted, so it never
// holds up the program's end). Its drawing fills it at any size, white, the
// resize handler drawing it again.
class PlotPanel : public QWidget, public PlotWindow {
    Q_OBJECT
public:
    // name: the object name; title: the window title; place: its client area in twips.
    PlotPanel(QWidget* owner, const char* name, const char* title, QRect place);

    // Resize and mouse-press handlers.
    void connect_events(std::function<void()> resized, std::function<void(int, int, double, double)> pressed);

    PlotSurface& surface() override { return view_->surface(); }
    void Visible(bool on) override;
    bool Visible() const override { return isVisible(); }
    Canvas canvas() const override;

    SurfaceWidget* view() const { return view_; }

private:
    SurfaceWidget* view_;
};
