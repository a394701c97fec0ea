#include "ui/qt/plot_panel.h"

#include <QFontMetricsF>
#include <QVBoxLayout>

#include "ui/qt/twips.h"

PlotPanel::PlotPanel(QWidget* owner, const char* name, const char* title, QRect place) : QWidget(owner, Qt::Tool) {
    setObjectName(name);
    setWindowTitle(title);
    setGeometry(twips_rect(place.x(), place.y(), place.width(), place.height(), this));
    view_ = new SurfaceWidget(this, rgb(255, 255, 255), 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void PlotPanel::connect_events(std::function<void()> resized, std::function<void(int, int, double, double)> pressed) {
    view_->on_resize = std::move(resized);
    view_->on_mouse_down = std::move(pressed);
}

void PlotPanel::Visible(bool on) {
    if (on == isVisible()) return;
    setVisible(on);
}

Canvas PlotPanel::canvas() const {
    const QFontMetricsF metrics(view_->surface().font());
    Canvas c;
    c.width = view_->surface().size().width();
    c.height = view_->surface().size().height();
    c.char_width = metrics.horizontalAdvance(QLatin1Char('0'));
    c.line_height = metrics.height();
    c.dot = 2;
    return c;
}
