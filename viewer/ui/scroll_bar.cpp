#include "ui/scroll_bar.h"

#include <algorithm>
#include <cmath>

void ScrollBar::Min(int v) {
    min_ = v;
    if (on_range) on_range();
    clamp();
}

void ScrollBar::Max(int v) {
    max_ = v;
    if (on_range) on_range();
    clamp();
}

void ScrollBar::Value(int v) {
    v = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    if (v == value_) return;
    value_ = v;
    if (on_change) on_change();
}

void ScrollBar::step_towards_top(int amount) { Value(min_ > max_ ? value_ + amount : value_ - amount); }

void ScrollBar::clamp() { Value(value_); }

int to_scroll_value(double x) {
    if (std::isnan(x)) return 0;
    const double r = std::nearbyint(std::clamp(x, -32768.0, 32767.0));  // default rounding: halves to even
    return static_cast<int>(r);
}
