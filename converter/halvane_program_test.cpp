// Runs the built halvane program the way a script does, `halvane < answers`,
// to see its exit status, its report on standard error and its output file.

#include "test_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace halvane {
namespace {

using testing::TestFolder;

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program in `folder` with `answers` on standard input.
ProgramRun run_program(const TestFolder& folder, const std::string& answers)
{
    folder.write("answers.txt", answers);
    const std::string command = "cd '" + folder.root().string() + "' && '" HALVANE_EXE
                                "' < answers.txt > stdout.txt 2> stderr.txt";
    const int raw = std::system(command.c_str());
    ProgramRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = folder.read("stdout.txt");
    run.err = folder.read("stderr.txt");
    return run;
}

void write_mesh(const TestFolder& folder, int nodes)
{
    std::string nod;
    std::string bat;
    for (int i = 1; i <= nodes; ++i) {
        nod += std::to_string(i) + " 0.0 0.0\n";
        bat += std::to_string(i) + " 100.0\n";
    }
    folder.write("m.nod", nod);
    folder.write("m.bat", bat);
    folder.write("m.ele", "1 1 2 3\n");
}

std::string lst_for(int nodes, int nlev)
{
    std::string lst = "header\nheader\n" + std::to_string(nlev) + "\n";
    for (int l = 1; l <= nlev; ++l) lst += std::to_string(-100 + 100 * (l - 1) / nlev) + " ";
    lst += "\n";
    for (int v = 0; v < nodes * nlev; ++v) lst += "25.0\n";
    return lst;
}

TEST(HalvaneProgram, NormalRunEndsWithStatusZero)
{
    TestFolder folder;
    write_mesh(folder, 3);
    folder.write("m.lst", lst_for(3, 2));
    const ProgramRun run = run_program(folder, "m.nod\nm.ele\nm.bat\n2\nUNIZ\nm.lst\nm.s3r\nBay\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(folder.read("m.s3r").ends_with("    3   0.0000E+00  0.2500E+02\n"));
}

TEST(HalvaneProgram, AbnormalEndsReportOnStandardErrorWithStatusTwo)
{
    struct Row {
        const char* name;
        const char* answers;
        const char* lst;
        const char* report;
    };
    const Row rows[] = {
        {"missing file", "m.nod\nm.ele\nmissing.bat\n", nullptr, "halvane: cannot open \"missing.bat\": no such file\n"},
        {"end of standard input", "m.nod\nm.ele\nm.bat\n",
         nullptr,
         "halvane: terminal (standard input), answer to \"Enter nnv\": end of input while the answer was awaited\n"},
        {"malformed .lst value", "m.nod\nm.ele\nm.bat\n2\nUNIZ\nm.lst\nm.s3r\nBay\n", "h\nh\n1\n0\n25\n2S\n",
         "halvane: \"m.lst\", line 6: malformed number \"2S\" where a real was expected\n"},
        {"no level surfaces", "m.nod\nm.ele\nm.bat\n2\nUNIZ\nm.lst\nm.s3r\nBay\n", "h\nh\n0\n",
         "halvane: \"m.lst\", line 3: the number of level surfaces is 0; at least 1 is needed\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        write_mesh(folder, 3);
        if (row.lst) folder.write("m.lst", row.lst);
        const ProgramRun run = run_program(folder, row.answers);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, row.report);
        EXPECT_FALSE(folder.exists("m.s3r"));
    }
}

TEST(HalvaneProgram, CapacityFailuresEndWithStatusOneAndNoOutput)
{
    TestFolder folder;
    write_mesh(folder, 7002);
    const ProgramRun nodes = run_program(folder, "m.nod\nm.ele\nm.bat\n2\nUNIZ\nm.lst\nm.s3r\nBay\n");
    EXPECT_EQ(nodes.status, 1);
    EXPECT_EQ(nodes.err, "");
    EXPECT_NE(nodes.out.find("  Increase nndim, the number of nodes > 7001\n"), std::string::npos);
    EXPECT_TRUE(nodes.out.ends_with(" 7001 nodal bathymetries read from m.bat\n 1 elements read from m.ele\n"))
        << nodes.out.substr(nodes.out.size() - 200);
    EXPECT_EQ(nodes.out.find("Enter nnv"), std::string::npos);
    EXPECT_FALSE(folder.exists("m.s3r"));

    write_mesh(folder, 3);
    folder.write("m.lst", lst_for(3, 51));
    const ProgramRun levels = run_program(folder, "m.nod\nm.ele\nm.bat\n2\nUNIZ\nm.lst\nm.s3r\nBay\n");
    EXPECT_EQ(levels.status, 1);
    EXPECT_EQ(levels.out.substr(levels.out.find(".lst file\n") + 10),
              " The number of level surfaces is to large for current parameters.\n"
              "   => Increase nlevels to at least 51\n");
    EXPECT_FALSE(folder.exists("m.s3r"));
}

}  // namespace
}  // namespace halvane
