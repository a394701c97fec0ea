#pragma once

#include <functional>

// A vertical scroll bar holding a 16-bit integer between two end values. Min is
// the value at the top end and Max the value at the bottom end; either may be
// the larger. Every change of the value, by the user or by the program, raises
// the change event at once, inside the call that made it (so setting the range
// may raise it when the value has to move into the new range).
class ScrollBar {
public:
    std::function<void()> on_change;

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    int SmallChange() const { return small_; }
    int LargeChange() const { return large_; }

    void Min(int v);
    void Max(int v);
    // Values beyond the range are held at its nearer end.
    void Value(int v);
    void SmallChange(int v) { small_ = v; }
    void LargeChange(int v) { large_ = v; }

    // What the user can do: an arrow click moves by SmallChange, a click in the
    // trough by LargeChange, towards the end clicked.
    void arrow_up() { step_towards_top(small_); }
    void arrow_down() { step_towards_top(-small_); }
    void page_up() { step_towards_top(large_); }
    void page_down() { step_towards_top(-large_); }

    // Observers of the range (the Qt layer mirrors it onto its widget).
    std::function<void()> on_range;

private:
    void step_towards_top(int amount);
    void clamp();

    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int small_ = 1;
    int large_ = 1;
};

// A number held by a 16-bit scroll bar: nearest integer, halves to even,
// limited to -32768..32767.
int to_scroll_value(double x);
