#pragma once

#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/qt/scroll_bar_link.h"
#include "ui/qt/surface_widget.h"
#include "ui/windows.h"

// The `lister` window, "Data Listing": the listing surface and its scroll bar
// `VScroll1` at the right edge. The listing fills the window at any size; its
// user coordinates stay (1, 1)-(50, 8), and the view's resize handler draws it
// again on the new image.
class ListerPanel : public QWidget, public ListerWindow {
    Q_OBJECT
public:
    explicit ListerPanel(QWidget* owner);
    void connect_events(std::function<void()> scroll_changed);

    PlotSurface& surface() override { return view_->surface(); }
    ScrollBar& VScroll1() override { return model_; }

    SurfaceWidget* view() const { return view_; }
    QScrollBar* scroll_widget() const { return bar_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place_bar();

    SurfaceWidget* view_;
    QScrollBar* bar_;
    ScrollBar model_;
    std::unique_ptr<ScrollBarLink> link_;
};
