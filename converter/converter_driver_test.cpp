#include "converter_driver.h"

#include "run_errors.h"
#include "test_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace halvane {
namespace {

using testing::TestFolder;

// A three-node bay: depths 100, 120 and 40; surfaces at -100, -50 and 0.
void write_bay(const TestFolder& folder)
{
    folder.write("bay.nod", "101 0.0 0.0\n102 1000.0 0.0\n103 0.0 1000.0\n");
    folder.write("bay.ele", "1 1 2 3\n");
    folder.write("bay.bat", "101 100.0\n102 120\n103 40.0\n");
    folder.write("bay.lst", "Sigma-t on level surfaces, test bay\n"
                            "second header line\n"
                            "3 surfaces\n"
                            "-100. -50.\n0.\n"
                            "26.0\n25.0\n24.0\n"
                            "27.0 ! node 2\n26.0\n25.0\n"
                            "26\n25,  extra\n24\n");
}

struct DriverRun {
    // Runs the dialogue with `answers`, where {dir} stands for the folder.
    void run(std::string answers)
    {
        for (std::size_t at; (at = answers.find("{dir}")) != std::string::npos;)
            answers.replace(at, 5, folder.root().string());
        std::istringstream in(answers);
        Terminal terminal(in, out);
        run_conversion(terminal);
    }
    std::string error_of(const std::string& answers)
    {
        try {
            run(answers);
        } catch (const InputError& e) {
            return e.what();
        }
        return "no error";
    }
    std::string dir(std::string_view name) const { return folder.path(name); }

    TestFolder folder;
    std::ostringstream out;
};

const char* bay_answers = "{dir}/bay.nod\n{dir}/bay.ele\n{dir}/bay.bat\n5\nUniz\nUNIZ\n{dir}/bay.lst\n{dir}/bay.s3r\n"
                          "Test bay\n";

// Written by hand: uniform levels of 100, 120 and 40 m in four layers,
// interpolated linearly between the surfaces, constant beyond them.
const std::string bay_s3r = "Test bay" + std::string(64, ' ') + "\n" +
                            " nodal values of sigt:  i,z,sigt\n"
                            " 5\n"
                            "    1  -0.1000E+03  0.2600E+02\n"
                            "    1  -0.7500E+02  0.2550E+02\n"
                            "    1  -0.5000E+02  0.2500E+02\n"
                            "    1  -0.2500E+02  0.2450E+02\n"
                            "    1   0.0000E+00  0.2400E+02\n"
                            "    2  -0.1200E+03  0.2700E+02\n"
                            "    2  -0.9000E+02  0.2680E+02\n"
                            "    2  -0.6000E+02  0.2620E+02\n"
                            "    2  -0.3000E+02  0.2560E+02\n"
                            "    2   0.0000E+00  0.2500E+02\n"
                            "    3  -0.4000E+02  0.2480E+02\n"
                            "    3  -0.3000E+02  0.2460E+02\n"
                            "    3  -0.2000E+02  0.2440E+02\n"
                            "    3  -0.1000E+02  0.2420E+02\n"
                            "    3   0.0000E+00  0.2400E+02\n";

TEST(Conversion, WholeRunFromAnAnswersFile)
{
    DriverRun run;
    write_bay(run.folder);
    run.run(bay_answers);
    EXPECT_EQ(run.folder.read("bay.s3r"), bay_s3r);
    EXPECT_EQ(run.out.str(), " Enter the name of the KESTRA Standard .nod file.\n"
                             " Enter the name of the KESTRA Standard .ele file.\n"
                             " Enter the name of the KESTRA Standard .bat file.\n"
                             " 3 nodal coordinates read from " + run.dir("bay.nod") + "\n" +
                                 " 3 nodal bathymetries read from " + run.dir("bay.bat") + "\n" +
                                 " 1 elements read from " + run.dir("bay.ele") + "\n" +
                                 " Enter nnv\n"
                                 " Enter grid option - UNIZ or SINEZ\n"
                                 " Enter grid option - UNIZ or SINEZ\n"
                                 " Enter the name of the level surface sigmat .lst file\n"
                                 " 3 x 3 real 3-D sigmat values loaded from " + run.dir("bay.lst") + "\n" +
                                 " Enter the name of the output baroclinic .s3r file\n"
                                 " Enter the name of the mesh\n");
}

TEST(Conversion, CrlfAnswersAndTrailingBlanksInNamesAndCount)
{
    DriverRun run;
    write_bay(run.folder);
    run.run("{dir}/bay.nod   \r\n{dir}/bay.ele\r\n{dir}/bay.bat\r\n\r\n  \r\n5 levels\r\nUNIZ  \r\n{dir}/bay.lst\r\n"
            "{dir}/bay.s3r \r\nTest bay\r\n");
    EXPECT_EQ(run.folder.read("bay.s3r"), bay_s3r);
}

TEST(Conversion, GridOptionLoopTakesOnlyTheFourKeywords)
{
    struct Row {
        const char* name;
        const char* refused;  // answers asked again, one per line
        std::string accepted;
        int questions;
    };
    const Row rows[] = {
        {"trailing blanks accepted", "", "SINEZ     ", 1},
        {"lower case", "", "sinez", 1},
        {"leading blank, mixed case, abbreviation, empty line, extra words",
         " SINEZ\nSinez\nSINE\n\nSINEZ now\nsineZ\n", "SINEZ", 7},
        {"keyword cut out of a longer answer", "", "SINEZ" + std::string(67, ' ') + "cut off here", 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DriverRun run;
        write_bay(run.folder);
        run.run(std::string("{dir}/bay.nod\n{dir}/bay.ele\n{dir}/bay.bat\n21\n") + row.refused + row.accepted +
                "\n{dir}/bay.lst\n{dir}/bay.s3r\nBay\n");
        const std::string out = run.out.str();
        int questions = 0;
        for (std::size_t at = 0; (at = out.find("Enter grid option", at)) != std::string::npos; ++at) ++questions;
        EXPECT_EQ(questions, row.questions);
        // The sine grid's second level for depth 100 is one layer above the sea bed.
        EXPECT_NE(run.folder.read("bay.s3r").find("    1  -0.9900E+02"), std::string::npos);
    }
}

TEST(Conversion, NnvOutsideTheLevelCapacityIsAskedAgain)
{
    DriverRun run;
    write_bay(run.folder);
    run.run("{dir}/bay.nod\n{dir}/bay.ele\n{dir}/bay.bat\n0\n31\n-4\n1\nuniz\n{dir}/bay.lst\n{dir}/bay.s3r\nBay\n");
    const std::string out = run.out.str();
    EXPECT_NE(out.find(" Enter nnv\n  nnv must be between 1 and 30\n Enter nnv\n  nnv must be between 1 and 30\n"
                       " Enter nnv\n  nnv must be between 1 and 30\n Enter nnv\n Enter grid"),
              std::string::npos)
        << out;
    // One level per node, at the surface, with the shallowest surface's value.
    EXPECT_EQ(run.folder.read("bay.s3r"), "Bay" + std::string(69, ' ') +
                                              "\n nodal values of sigt:  i,z,sigt\n 1\n"
                                              "    1   0.0000E+00  0.2400E+02\n"
                                              "    2   0.0000E+00  0.2500E+02\n"
                                              "    3   0.0000E+00  0.2400E+02\n");
}

TEST(Conversion, TheLstFileMayBeOverwrittenByTheOutput)
{
    // It has been read and closed; its former content goes entirely.
    DriverRun run;
    write_bay(run.folder);
    run.run("{dir}/bay.nod\n{dir}/bay.ele\n{dir}/bay.bat\n5\nUNIZ\n{dir}/bay.lst\n{dir}/bay.lst\nTest bay\n");
    EXPECT_EQ(run.folder.read("bay.lst"), bay_s3r);
}

TEST(Conversion, FileNamesAreCutTo72Characters)
{
    DriverRun run;
    write_bay(run.folder);
    std::string base = run.dir("b");
    base.resize(72, 'b');  // a name of exactly 72 characters
    std::filesystem::copy_file(run.dir("bay.lst"), base);
    run.run("{dir}/bay.nod\n{dir}/bay.ele\n{dir}/bay.bat\n5\nUNIZ\n" + base + ".lst\n{dir}/bay.s3r\nBay\n");
    EXPECT_TRUE(run.folder.exists("bay.s3r"));
}

TEST(Conversion, NoNodesGivesTheHeaderLinesOnly)
{
    DriverRun run;
    write_bay(run.folder);
    run.folder.write("none.nod", "\n");
    run.folder.write("none.bat", "");
    run.run("{dir}/none.nod\n{dir}/bay.ele\n{dir}/none.bat\n5\nUNIZ\n{dir}/bay.lst\n{dir}/bay.s3r\nEmpty\n");
    EXPECT_EQ(run.folder.read("bay.s3r"), "Empty" + std::string(67, ' ') + "\n nodal values of sigt:  i,z,sigt\n 5\n");
}

TEST(Conversion, EndOfInputOrAMalformedAnswerEndsTheRunWithoutOutput)
{
    const std::string files = "{dir}/bay.nod\n{dir}/bay.ele\n{dir}/bay.bat\n";
    struct Row {
        const char* name;
        std::string answers;
        const char* report;
    };
    const Row rows[] = {
        {"no answers at all", "",
         "terminal (standard input), answer to \"Enter the name of the KESTRA Standard .nod file.\": end of input "
         "while the answer was awaited"},
        {"ends at nnv after blank lines", files + "\n\n",
         "answer to \"Enter nnv\": end of input while the answer was awaited"},
        {"malformed nnv", files + "five\n",
         "answer to \"Enter nnv\": malformed number \"five\" where an integer was expected"},
        {"nnv with a point", files + "5.\n", "malformed number \"5.\""},
        {"ends in the option loop", files + "5\nUNI\n",
         "answer to \"Enter grid option - UNIZ or SINEZ\": end of input"},
        {"ends at the .lst name", files + "5\nUNIZ\n", "level surface sigmat .lst file\": end of input"},
        {"ends at the output name", files + "5\nUNIZ\n{dir}/bay.lst\n", "baroclinic .s3r file\": end of input"},
        {"ends at the mesh title", files + "5\nUNIZ\n{dir}/bay.lst\n{dir}/bay.s3r\n",
         "answer to \"Enter the name of the mesh\": end of input"},
        {"output folder missing", files + "5\nUNIZ\n{dir}/bay.lst\n{dir}/no/bay.s3r\nBay\n",
         "/no/bay.s3r\" for writing"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DriverRun run;
        write_bay(run.folder);
        const std::string report = run.error_of(row.answers);
        EXPECT_NE(report.find(row.report), std::string::npos) << report;
        EXPECT_FALSE(run.folder.exists("bay.s3r"));
    }
}

TEST(Conversion, LstCapacityStopsBeforeAnyOutput)
{
    DriverRun run;
    write_bay(run.folder);
    std::string lst = "h\nh\n51\n";
    for (int l = 0; l < 51; ++l) lst += std::to_string(l - 50) + "\n";
    run.folder.write("big.lst", lst);
    EXPECT_THROW(run.run("{dir}/bay.nod\n{dir}/bay.ele\n{dir}/bay.bat\n5\nUNIZ\n{dir}/big.lst\n{dir}/bay.s3r\nBay\n"),
                 CapacityStop);
    EXPECT_FALSE(run.folder.exists("bay.s3r"));
    EXPECT_EQ(run.out.str().substr(run.out.str().rfind(".lst file\n") + 10),
              " The number of level surfaces is to large for current parameters.\n"
              "   => Increase nlevels to at least 51\n");
}

}  // namespace
}  // namespace halvane
