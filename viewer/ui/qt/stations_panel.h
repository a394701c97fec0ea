#pragma once

#include <QWidget>
#include <functional>

#include "ui/qt/surface_widget.h"
#include "ui/windows.h"

// The `Stations` window, "Station Locations": the station map. Closing it
// hides it (the close is accepted, so it never holds up the program's end);
// the next map drawing shows it again.
class StationsPanel : public QWidget, public MapWindow {
    Q_OBJECT
public:
    explicit StationsPanel(QWidget* owner);

    // Resize and mouse-press handlers.
    void connect_events(std::function<void()> resized, std::function<void(int, int, double, double)> pressed);

    PlotSurface& surface() override { return view_->surface(); }
    void Visible(bool on) override;
    bool Visible() const override { return isVisible(); }
    double Width() const override;
    void Height(double twips) override;

    SurfaceWidget* view() const { return view_; }

private:
    SurfaceWidget* view_;
};
