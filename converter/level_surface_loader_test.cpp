#include "level_surface_loader.h"

#include "run_errors.h"

#include <gtest/gtest.h>

#include <sstream>

namespace halvane {
namespace {

// Files that load are read in halvane_program_test.cpp; here the counts at
// the capacity and the files that end the run. Room for 8 nodes.
TEST(Loadlst, CountsAndBadFiles)
{
    const auto levels = [](int nlev) {
        std::string text = "title\nsecond\n" + std::to_string(nlev) + "\n";
        for (int l = 1; l <= nlev; ++l) text += std::to_string(l - nlev) + " ";
        for (int l = 1; l <= nlev; ++l) text += "\n" + std::to_string(20 + l);
        return text;
    };
    const std::string surfaces = " The number of level surfaces is to large for current parameters.\n";
    // report: the terminal's output, or the end of the InputError's message, which names the file first.
    const struct { const char* name; std::string content; int nn, node_capacity; std::string report; } rows[] = {
        {"fifty surfaces fit", levels(50), 1, 8, " 1 x 50 real 3-D sigmat values loaded from s.lst\n"},
        {"no nodes: the levels only", "a\nb\n2\n-10 0\n", 0, 8, " 0 x 2 real 3-D sigmat values loaded from s.lst\n"},
        {"51 surfaces", levels(51), 1, 8, surfaces + "   => Increase nlevels to at least 51\n"},
        {"too many nodes and surfaces", levels(60), 9, 8,
         " The number of nodes is to large for current parameters.\n   => Increase NNDIM to at least 9\n" + surfaces +
             "   => Increase nlevels to at least 60\n"},
        {"empty file", "", 1, 8, "\"s.lst\": end of file while reading header line 1"},
        {"no count", "a\nb\n\n", 1, 8, ", line 3: end of file while reading the number of level surfaces"},
        {"no surfaces", "a\nb\n0\n", 1, 8, ", line 3: the number of level surfaces is 0; at least 1 is needed"},
        {"negative count", "a\nb\n-2\n-1 0\n", 1, 8, ", line 3: the number of level surfaces is -2; at least 1 is needed"},
        {"count not an integer", "a\nb\n2.0\n", 1, 8, ", line 3: malformed number \"2.0\" where an integer was expected"},
        {"levels cut short", "a\nb\n3\n-10 -5\n", 1, 8,
         ", line 4: end of file while reading the positions of the 3 level surfaces"},
        {"values cut short", "a\nb\n2\n-10 0\n1\n2\n3\n", 2, 8,
         ", line 7: end of file while reading sigma-t of node 2 on level surface 2"},
        {"malformed value", "a\nb\n2\n-10 0\n1\n2\nthree\n", 2, 8,
         ", line 7: malformed number \"three\" where a real was expected"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::istringstream no_answers;
        std::ostringstream out;
        Terminal terminal(no_answers, out);
        FreeFormatReader lst("s.lst", row.content);
        int nlev = 0;
        std::vector<float> zl(nlevels);
        NodeTable sigtl(8, nlevels);
        try {
            loadlst(row.node_capacity, nlevels, row.nn, nlev, lst, zl, sigtl, terminal);
            EXPECT_EQ(zl[nlev - 1], 0.0f);
            EXPECT_EQ(out.str(), row.report);
        } catch (const CapacityStop&) {
            EXPECT_EQ(out.str(), row.report);
        } catch (const InputError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with("\"s.lst\"")) << e.what();
            EXPECT_TRUE(std::string(e.what()).ends_with(row.report)) << e.what();
            EXPECT_EQ(out.str(), "");
        }
    }
}

}  // namespace
}  // namespace halvane
