#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "plot/map_frame.h"
#include "print/station_plot.h"
#include "readers/sb911_reader.h"
#include "surface/pdf_surface.h"
#include "testing/scratch_folder.h"

namespace {

// Words of a PDF page with their top-left corners in points, by pdftotext -bbox.
std::multimap<std::string, std::pair<double, double>> words(const std::string& pdf, const std::string& html) {
    EXPECT_EQ(std::system(("pdftotext -bbox " + pdf + " " + html).c_str()), 0);
    std::ifstream in(html);
    std::stringstream text;
    text << in.rdbuf();
    const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::multimap<std::string, std::pair<double, double>> out;
    const std::string s = text.str();
    for (std::sregex_iterator it(s.begin(), s.end(), word), end; it != end; ++it)
        out.emplace((*it)[3], std::pair(std::stod((*it)[1]), std::stod((*it)[2])));
    return out;
}

// The sample's stations reach south of the fixed frame, so its plot is fitted:
// every label is on the page, and the title stands where the fixed frame puts it.
TEST(StationPlotPdf, FittedPageKeepsTitleAndLabelsInPlace) {
    ScratchFolder dir;
    CruiseData d;
    set_start_values(d);
    ASSERT_FALSE(read_sb911(d, QUENVAR_SAMPLES_DIR "/sb911/EN617.hdr").stopped);
    ASSERT_TRUE(map_frame(d).fitted);
    const auto print = [&](const std::string& name) {
        PdfSurface page(dir.path(name));
        (void)draw_station_plot(page, d, QUENVAR_DATA_DIR "/brscale.bln", QUENVAR_DATA_DIR "/world.bln", true);
        page.EndDoc();
        EXPECT_TRUE(page.job_ok());
        return words(dir.path(name), dir.path(name + ".html"));
    };
    const auto fitted = print("fitted.pdf");
    d.ncast = 0;  // no station: the fixed frame
    const auto fixed = print("fixed.pdf");
    ASSERT_EQ(fitted.count("Positions"), 1u);
    EXPECT_EQ(fitted.find("Positions")->second, fixed.find("Positions")->second);
    for (int i = 1; i <= 35; ++i) EXPECT_EQ(fitted.count(std::to_string(i)), 1u) << "label " << i;
}

}  // namespace
