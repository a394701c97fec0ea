#include "ui/qt/stations_panel.h"

#include <QVBoxLayout>

#include "ui/qt/twips.h"

StationsPanel::StationsPanel(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName("Stations");
    setWindowTitle("Station Locations");
    setGeometry(twips_rect(5055, 4575, 4455, 2580, this));
    view_ = window_coloured_view(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void StationsPanel::connect_events(std::function<void()> resized,
                                   std::function<void(int, int, double, double)> pressed) {
    view_->on_resize = std::move(resized);
    view_->on_mouse_down = std::move(pressed);
}

void StationsPanel::Visible(bool on) {
    if (on == isVisible()) return;
    setVisible(on);
}

// Outer sizes: the frame the window system adds counts, as far as it is known
// (before the window is first shown the frame is not, and counts as nothing).
double StationsPanel::Width() const { return px_to_twips(frameGeometry().width(), this); }

void StationsPanel::Height(double twips) {
    // A minimised, maximised or full-screen window keeps the size it was given.
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const int frame = frameGeometry().height() - height();
    const int client = qMax(1, twips_to_px(twips, this) - frame);
    if (client != height()) resize(width(), client);
}
