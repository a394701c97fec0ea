#pragma once

#include <string>
#include <vector>

#include "surface/surface_state.h"

// A surface that draws nothing and keeps every drawing call it receives, with
// the state in force at the time, so tests can check what a routine drew.
class RecordingSurface : public SurfaceState {
public:
    enum class Op { Cls, Scale, Line, LineBox, Circle, Print, Image, FillPolygon, NewPage, EndDoc };

    // The surface state a call was made under.
    using State = DrawingState;

    struct Call {
        Op op;
        double a = 0, b = 0, c = 0, d = 0;  // coordinates, as given
        std::string text;                   // Print only
        State state;
        RgbImage image{};                 // Image only
        std::vector<UserPoint> points{};  // FillPolygon only, with its colour
        Color color = 0;
    };

    explicit RecordingSurface(Color back = rgb(255, 255, 255), Color fore = 0) : SurfaceState(back, fore) {}

    void Cls() override { record(Op::Cls); }
    void Scale(double x1, double y1, double x2, double y2) override { record(Op::Scale, x1, y1, x2, y2); }
    void Line(double x1, double y1, double x2, double y2) override { record(Op::Line, x1, y1, x2, y2); }
    void LineBox(double x1, double y1, double x2, double y2) override { record(Op::LineBox, x1, y1, x2, y2); }
    void Circle(double x, double y, double r) override { record(Op::Circle, x, y, r); }
    void Print(const std::string& text) override {
        record(Op::Print, state_.current_x, state_.current_y);
        calls_.back().text = text;
    }
    void Image(const RgbImage& image, double x1, double y1, double x2, double y2) override {
        record(Op::Image, x1, y1, x2, y2);
        calls_.back().image = image;
    }
    void FillPolygon(const std::vector<UserPoint>& points, Color color) override {
        record(Op::FillPolygon);
        calls_.back().points = points;
        calls_.back().color = color;
    }
    void NewPage() override { record(Op::NewPage); }
    void EndDoc() override { record(Op::EndDoc); }

    const std::vector<Call>& calls() const { return calls_; }
    void clear() { calls_.clear(); }
    // The calls of one kind, in order.
    std::vector<Call> of(Op op) const;
    // The texts printed, in order.
    std::vector<std::string> texts() const;

private:
    void record(Op op, double a = 0, double b = 0, double c = 0, double d = 0) {
        calls_.push_back(Call{op, a, b, c, d, {}, state_});
    }

    std::vector<Call> calls_;
};
