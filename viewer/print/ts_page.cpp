#include "print/ts_page.h"

#include "plot/ts_diagram.h"

namespace {

constexpr double kPrintableShortPt = 190 / 25.4 * 72;  // A4 less two 10 mm margins
constexpr double kPrintableLongPt = 277 / 25.4 * 72;

}  // namespace

Canvas page_canvas(bool landscape) {
    Canvas c;
    c.width = landscape ? kPrintableLongPt : kPrintableShortPt;
    c.height = landscape ? kPrintableShortPt : kPrintableLongPt;
    c.char_width = 4.8;  // DejaVu Sans Mono at 8 points: 0.602 em
    c.line_height = 9.4;
    c.dot = 1.2;
    return c;
}

void draw_ts_page(PlotSurface& page, const CruiseData& d, int current, const std::string& title) {
    const Canvas sheet = page_canvas(false);
    page.Scale(0, 0, sheet.width, sheet.height);
    Canvas diagram = sheet;
    diagram.height = sheet.width + 6 * sheet.line_height;
    draw_ts_diagram(page, d, diagram, current, title);
}
