#include "print/section_page.h"

#include "plot/section_plot.h"
#include "print/ts_page.h"

void draw_section_page(PlotSurface& page, const CruiseData& d, const SectionGrid& sec, const std::string& title) {
    const Canvas sheet = page_canvas(true);
    page.Scale(0, 0, sheet.width, sheet.height);
    draw_section(page, d, sec, sheet, title);
}
