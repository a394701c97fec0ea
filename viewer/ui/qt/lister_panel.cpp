#include "ui/qt/lister_panel.h"

#include "ui/qt/twips.h"

ListerPanel::ListerPanel(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName("lister");
    setWindowTitle("Data Listing");
    setGeometry(twips_rect(15, 5385, 4920, 1755, this));
    // The listing spans the whole client area; the scroll bar stands over its right edge.
    view_ = window_coloured_view(this);
    view_->setGeometry(0, 0, width(), height());
    view_->fit_surface();  // the heading is printed before the window is shown
    bar_ = new QScrollBar(Qt::Vertical, this);
    bar_->setObjectName("VScroll1");
    place_bar();
}

// 345 twips wide, full height, 15 twips in from the right edge as laid out
// (x 4560 of 4920).
void ListerPanel::place_bar() {
    const int w = twips_to_px(345, this);
    bar_->setGeometry(width() - twips_to_px(4920 - 4560, this), 0, w, height());
}

void ListerPanel::resizeEvent(QResizeEvent*) {
    view_->setGeometry(0, 0, width(), height());  // a new blank image: its handler lists again
    place_bar();
}

void ListerPanel::connect_events(std::function<void()> scroll_changed) {
    link_ = std::make_unique<ScrollBarLink>(model_, *bar_, std::move(scroll_changed));
}
