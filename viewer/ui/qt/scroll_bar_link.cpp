#include "ui/qt/scroll_bar_link.h"

#include <QSignalBlocker>
#include <algorithm>

int ScrollBarLink::sign() const { return model_.Min() > model_.Max() ? -1 : 1; }

ScrollBarLink::ScrollBarLink(ScrollBar& model, QScrollBar& widget, std::function<void()> changed)
    : model_(model), widget_(widget), changed_(std::move(changed)) {
    model_.on_range = [this] { show_model(); };
    model_.on_change = [this] {
        show_model();
        if (changed_) changed_();
    };
    connect(&widget_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!showing_) model_.Value(sign() * value);
    });
    show_model();
}

void ScrollBarLink::show_model() {
    showing_ = true;
    const QSignalBlocker block(widget_);
    // A vertical QScrollBar has its minimum at the top. When the model's top
    // value is the larger, the widget shows the negated values, so its arrows
    // and trough still move towards the end clicked.
    widget_.setRange(sign() * model_.Min(), sign() * model_.Max());
    widget_.setSingleStep(std::max(1, model_.SmallChange()));
    widget_.setPageStep(std::max(1, model_.LargeChange()));
    widget_.setValue(sign() * model_.Value());
    showing_ = false;
}
