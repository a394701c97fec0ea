#pragma once

#include <string>
#include <vector>

#include "surface/plot_surface.h"

// A drawing laid out in the units of the surface it goes to: logical pixels
// in a window, points on paper. Text keeps its size in those units, so the
// layout leaves room for it by the size of one character.
struct Canvas {
    double width = 400, height = 300;
    double char_width = 7, line_height = 13;  // a digit's advance; a line of text
    double dot = 1;                           // the side of a data point's mark
};

// A rectangle of the canvas, y growing downwards.
struct Box {
    double left = 0, top = 0, right = 1, bottom = 1;
    bool contains(double x, double y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// A plot frame on the canvas: seven digits of room on the left for the tick
// labels, `top_lines` lines of text above, `right_chars` characters on the
// right and the axis title's rows below; never narrower or lower than a pixel.
Box frame_box(const Canvas& c, double top_lines, double right_chars);

// Which of a row of labels to print so that none overlaps the one before:
// label k spans from[k]..to[k] along the row, in order; a label is kept when
// it starts at least `gap` past the end of the last one kept. The first is
// always kept.
std::vector<int> thin_labels(const std::vector<double>& from, const std::vector<double>& to, double gap);

// Text with its top edge at y, centred on x.
void text_centred(PlotSurface& s, const Canvas& c, double x, double y, const std::string& text);

// The text with its blanks at both ends removed: " salinity  " gives "salinity".
std::string trimmed(const std::string& text);
