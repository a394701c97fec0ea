#include "level_surface_loader.h"

#include "run_errors.h"

#include <gtest/gtest.h>

#include <sstream>

namespace halvane {

// Loading files: halvane_program_test.cpp. Here the capacities (room for 8 nodes) and bad files.
TEST(Loadlst, CountsAndBadFiles) {
    const auto levels = [](int nlev) {
        std::string text = "title\nsecond\n" + std::to_string(nlev) + "\n";
        for (int l = 1; l <= nlev; ++l) text += std::to_string(l - nlev) + " ";
        for (int l = 1; l <= nlev; ++l) text += "\n" + std::to_string(20 + l);
        return text;
    };
    const std::string surfaces = " The number of level surfaces is to large for current parameters.\n";
    // report: the terminal's output, then "stop" for the end of the run or the InputError's message.
    // clang-format off
    const struct { const char* name; std::string content; int nn; std::string report; } rows[] = {
        {"fifty surfaces fit", levels(50), 1, " 1 x 50 real 3-D sigmat values loaded from s.lst\n"},
        {"no nodes: the levels only", "a\nb\n2\n-10 0\n", 0, " 0 x 2 real 3-D sigmat values loaded from s.lst\n"},
        {"51 surfaces", levels(51), 1, surfaces + "   => Increase nlevels to at least 51\nstop"},
        {"too many nodes and surfaces", levels(60), 9,
         " The number of nodes is to large for current parameters.\n   => Increase NNDIM to at least 9\n" + surfaces +
             "   => Increase nlevels to at least 60\nstop"},
        {"no count", "a\nb\n\n", 1, "\"s.lst\", line 3: end of file while reading the number of level surfaces"},
        {"no surfaces", "a\nb\n0\n", 1, "\"s.lst\", line 3: the number of level surfaces is 0; at least 1 is needed"},
        {"negative count", "a\nb\n-2\n-1 0\n", 1,
         "\"s.lst\", line 3: the number of level surfaces is -2; at least 1 is needed"},
        {"levels cut short", "a\nb\n3\n-10 -5\n", 1,
         "\"s.lst\", line 4: end of file while reading the positions of the 3 level surfaces"},
        {"values cut short", "a\nb\n2\n-10 0\n1\n2\n3\n", 2,
         "\"s.lst\", line 7: end of file while reading sigma-t of node 2 on level surface 2"},
    };  // clang-format on
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
            loadlst(8, nlevels, row.nn, nlev, lst, zl, sigtl, terminal);
            EXPECT_EQ(zl[nlev - 1], 0.0f);
        } catch (const CapacityStop&) {
            out << "stop";
        } catch (const InputError& e) {
            out << e.what();
        }
        EXPECT_EQ(out.str(), row.report);
    }
}

}  // namespace halvane
