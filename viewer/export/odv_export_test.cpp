#include "export/odv_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "format/utf8_text.h"
#include "testing/export_fixture.h"

namespace {

std::vector<std::string> split(const std::string& line, char by) {
    std::vector<std::string> out(1);
    for (char c : line) c == by ? void(out.emplace_back()) : out.back().push_back(c);
    return out;
}

// The spreadsheet parsed back: comments, the label line, one row per scan
// with as many cells as labels, values where ODV looks for them.
TEST(OdvExport, ParsesBackAsTheGenericSpreadsheet) {
    CruiseData d = four_casts();
    std::string text;
    const auto append = [&text](std::string_view b) { return text.append(b), true; };
    ASSERT_TRUE(odv_blocks(d, {"quenvar9 9.9", "", 1714564800}, append));
    EXPECT_TRUE(is_utf8(text));
    std::vector<std::string> comments, lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        (line.rfind("//", 0) == 0 && lines.empty() ? comments : lines).push_back(line);
    EXPECT_EQ(comments, (std::vector<std::string>{
                            "//<Encoding>UTF-8</Encoding>", "//<DataField>Ocean</DataField>",
                            "//<DataType>Profiles</DataType>", "//<Software>quenvar9 9.9</Software>",
                            "//<CreateTime>2024-05-01T12:00:00</CreateTime>", "//<Source>/c/EN617D001.Pre</Source>",
                            "//<Source>/c/bongo/SBE002.asc</Source>", "//<Source>/c/cnv\\x09/c7\\x1B.cnv</Source>"}));
    const std::string cast1 = "EN617\t001\tC\t2018-07-20T17:24:00.000\t-70.5\t41.2\t45\t";
    const std::vector<std::vector<std::string>> rows = {
        {"Cruise", "Station", "Type", "yyyy-mm-ddThh:mm:ss.sss", "Longitude [degrees_east]", "Latitude [degrees_north]",
         "Bot. Depth [m]", "Depth [m]", "Temperature [\u00B0C]", "Salinity [psu]", "Fluorescence", "Sigma-t [kg/m^3]",
         "Transmission [%]"},
        split(cast1 + "2\t20.5\t31.6\t0.4\t22\t4.1", '\t'),
        split(cast1 + "3\t19.25\t31.7\t0.8\t22.5\t4.2", '\t'),
        split(cast1 + "4\t\t31.8\t1e+300\t22.7\t4.3", '\t'),
        {"bongo", "002", "C", "", "-70.9", "40.5", "", "5", "15", "", "", "", ""},
        {"cnv", "007", "C", "", "", "", "", "1", "9.5", "33", "", "25.8", ""},
    };
    ASSERT_EQ(lines.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(split(lines[i], '\t'), rows[i]) << "line " << i;
    // Without transmission its column goes, from the labels and every row alike: 6 lines of 12 cells.
    d.ncol = 4, text.clear();
    ASSERT_TRUE(odv_blocks(d, {}, append));
    EXPECT_EQ(split(text.substr(text.find("Cruise")), '\t').size(), 6 * 11 + 1u);
}

}  // namespace
