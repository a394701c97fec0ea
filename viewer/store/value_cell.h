#pragma once

// A numeric entry of the cruise store: unset, or a double. An unset cell reads
// as 0 in arithmetic and comparisons, yet stays distinguishable from a stored 0
// (formatting and tests ask is_set()).
class Cell {
public:
    Cell() = default;
    Cell(double v) : value_(v), set_(true) {}  // NOLINT: cells are assigned plain numbers
    Cell& operator=(double v) {
        value_ = v;
        set_ = true;
        return *this;
    }
    operator double() const { return value_; }  // NOLINT: reads as a number everywhere
    double value() const { return value_; }
    bool is_set() const { return set_; }
    void reset() { *this = Cell(); }

private:
    double value_ = 0.0;
    bool set_ = false;
};
