#include "ui/qt/lister_panel.h"

#include "ui/qt/twips.h"

ListerPanel::ListerPanel(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName("lister");
    setWindowTitle("Data Listing");
    setGeometry(twips_rect(15, 5385, 4920, 1755, this));
    setFixedSize(size());
    const QColor back = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    // The listing spans the whole client area; the scroll bar stands over its right edge.
    view_ = new SurfaceWidget(this, rgb(back.red(), back.green(), back.blue()),
                              rgb(text.red(), text.green(), text.blue()));
    view_->setGeometry(0, 0, width(), height());
    view_->fit_surface();  // the heading is printed before the window is shown
    bar_ = new QScrollBar(Qt::Vertical, this);
    bar_->setObjectName("VScroll1");
    bar_->setGeometry(twips_to_px(4560, this), 0, twips_to_px(345, this), height());
}

void ListerPanel::connect_events(std::function<void()> scroll_changed) {
    link_ = std::make_unique<ScrollBarLink>(model_, *bar_, std::move(scroll_changed));
}
