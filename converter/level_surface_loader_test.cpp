#include "level_surface_loader.h"

#include "fixed_text.h"
#include "run_errors.h"
#include "testing/test_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace halvane {
namespace {

using testing::TestFolder;

struct LstRun {
    // Loads `content` (no file when nullptr) for nn nodes, with room for 8
    // nodes unless a smaller node capacity is given.
    void load(const char* content, int nn, int node_capacity = 8)
    {
        const std::string path = content ? folder.write("s.lst", content) : folder.path("s.lst");
        std::istringstream no_answers;
        Terminal terminal(no_answers, out);
        loadlst(node_capacity, nlevels, nn, nlev, make_text72(path), zl, sigtl, terminal, inputs);
    }
    std::string loaded(int nn, int nlev) const
    {
        return " " + std::to_string(nn) + " x " + std::to_string(nlev) + " real 3-D sigmat values loaded from " +
               folder.path("s.lst") + "\n";
    }

    TestFolder folder;
    std::ostringstream out;
    InputFiles inputs;
    int nlev = 0;
    std::vector<float> zl = std::vector<float>(nlevels);
    NodeTable sigtl{8, nlevels};
};

std::string lst_with_levels(int nlev)
{
    std::string text = "title\nsecond\n" + std::to_string(nlev) + "\n";
    for (int l = 1; l <= nlev; ++l) text += std::to_string(l - nlev) + " ";
    text += "\n";
    for (int l = 1; l <= nlev; ++l) text += std::to_string(20 + l) + "\n";
    return text;
}

TEST(Loadlst, ReadsLevelsAndOneValuePerLineNodeByNode)
{
    LstRun run;
    run.load("Sigma-t on level surfaces, with a long header line that runs on well past the seventy-second column\n"
             "\n"
             "3 surfaces\n"
             "-100.0\n -50.0,\n\n0.0 surface\n"
             "26.0 lat 41.2\n25.0\n\n24.0\n"
             "27.0, 1.0\n26.0 ! comment\n25.0\n"
             "99.0 never read\n",
             2);
    EXPECT_EQ(run.nlev, 3);
    EXPECT_EQ(run.zl[0], -100.0f);
    EXPECT_EQ(run.zl[2], 0.0f);
    EXPECT_EQ(run.sigtl(1, 1), 26.0f);
    EXPECT_EQ(run.sigtl(1, 3), 24.0f);
    EXPECT_EQ(run.sigtl(2, 1), 27.0f);
    EXPECT_EQ(run.sigtl(2, 3), 25.0f);
    EXPECT_EQ(run.out.str(), run.loaded(2, 3));
    EXPECT_NE(run.inputs.same_file_as(run.folder.path("s.lst")), nullptr);
}

TEST(Loadlst, CapacityOfLevelSurfacesAndNodes)
{
    const std::string surfaces = " The number of level surfaces is to large for current parameters.\n";
    const std::string fifty = lst_with_levels(nlevels), more = lst_with_levels(nlevels + 1), sixty = lst_with_levels(60);
    const struct { const char* name; const std::string& content; int nn, node_capacity; std::string report; } rows[] = {
        {"fifty surfaces fit", fifty, 1, 8, ""},
        {"no nodes: the levels only", "a\nb\n2\n-10 0\n", 0, 8, ""},
        {"51 surfaces", more, 1, 8, surfaces + "   => Increase nlevels to at least 51\n"},
        {"too many nodes and surfaces", sixty, 3, 2,
         " The number of nodes is to large for current parameters.\n   => Increase NNDIM to at least 3\n" + surfaces +
             "   => Increase nlevels to at least 60\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LstRun run;
        if (row.report.empty()) {
            run.load(row.content.c_str(), row.nn, row.node_capacity);
            EXPECT_EQ(run.out.str(), run.loaded(row.nn, run.nlev));
            EXPECT_EQ(run.zl[run.nlev - 1], 0.0f);
        } else {
            EXPECT_THROW(run.load(row.content.c_str(), row.nn, row.node_capacity), CapacityStop);
            EXPECT_EQ(run.out.str(), row.report);
        }
    }
}

TEST(Loadlst, BadFilesEndTheRunNamingFileAndProblem)
{
    const struct { const char* name; const char* content; int nn; const char* problem; } rows[] = {
        {"missing file", nullptr, 1, "\": no such file"},
        {"empty file", "", 1, "\": end of file while reading header line 1"},
        {"no count", "a\nb\n\n", 1, "\", line 3: end of file while reading the number of level surfaces"},
        {"no surfaces", "a\nb\n0\n", 1, "\", line 3: the number of level surfaces is 0; at least 1 is needed"},
        {"negative count", "a\nb\n-2\n-1 0\n", 1, "the number of level surfaces is -2"},
        {"count not an integer", "a\nb\n2.0\n", 1, "\", line 3: malformed number \"2.0\" where an integer"},
        {"levels cut short", "a\nb\n3\n-10 -5\n", 1,
         "\", line 4: end of file while reading the positions of the 3 level surfaces"},
        {"values cut short", "a\nb\n2\n-10 0\n1\n2\n3\n", 2,
         "\", line 7: end of file while reading sigma-t of node 2 on level surface 2"},
        {"malformed value", "a\nb\n2\n-10 0\n1\n2\nthree\n", 2, "\", line 7: malformed number \"three\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        LstRun run;
        try {
            run.load(row.content, row.nn);
            FAIL() << "no error";
        } catch (const InputError& e) {
            const std::string report = e.what();
            EXPECT_NE(report.find(run.folder.path("s.lst")), std::string::npos) << report;
            EXPECT_NE(report.find(row.problem), std::string::npos) << report;
        }
        EXPECT_EQ(run.out.str(), "");
    }
}

}  // namespace
}  // namespace halvane
