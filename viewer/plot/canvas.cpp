#include "plot/canvas.h"

#include <algorithm>

#include "plot/profiles.h"

Box frame_box(const Canvas& c, double top_lines, double right_chars) {
    Box b{7 * c.char_width, top_lines * c.line_height, c.width - right_chars * c.char_width,
          c.height - 2.8 * c.line_height};
    b.right = std::max(b.right, b.left + 1);
    b.bottom = std::max(b.bottom, b.top + 1);
    return b;
}

std::vector<int> thin_labels(const std::vector<double>& from, const std::vector<double>& to, double gap) {
    std::vector<int> kept;
    for (int k = 0; k < int(from.size()) && k < int(to.size()); ++k)
        if (kept.empty() || from[std::size_t(k)] >= to[std::size_t(kept.back())] + gap) kept.push_back(k);
    return kept;
}

void text_centred(PlotSurface& s, const Canvas& c, double x, double y, const std::string& text) {
    print_at(s, x - c.char_width * double(text.size()) / 2, y, text);
}

std::string trimmed(const std::string& text) {
    const std::size_t a = text.find_first_not_of(' '), b = text.find_last_not_of(' ');
    return a == std::string::npos ? std::string() : text.substr(a, b - a + 1);
}
