// Runs halvane as a script does, `halvane < answers`, in a temporary folder.

#include "test_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

namespace halvane {
namespace {

// A three-node bay (depths 100, 120, 40; surfaces at -100, -50, 0), the same with lone CR line ends, bad
// mesh files, and meshes that fill the tables or have no nodes. Bad .lst files: level_surface_loader_test.cpp.
struct Bay {
    Bay() {
        const std::pair<const char*, std::string> bay[] = {
            {"nod", "101 0.0 0.0\n102 1000.0 0.0\n103 0.0 1000.0\n"},
            {"ele", "1 1 2 3\n2 2 3\n"},  // an incomplete record is no further element
            {"bat", "101 100.0\n102 120\n103 40.0\n"},
            {"lst", "Sigma-t on level surfaces\nsecond header line\n3 surfaces\n-100. -50.\n0.\n"
                    "26.0\n25.0\n\n24.0\n27.0 ! node 2\n26.0\n25.0\n26\n25,  extra\n24\n99 never read\n"}};
        for (auto [kind, text] : bay) {
            folder.write(std::string("bay.") + kind, text);
            std::replace(text.begin(), text.end(), '\n', '\r');
            folder.write(std::string("cr.") + kind, text);
        }
        folder.write("short.bat", "101 100.0\n\n");
        folder.write("bad.ele", "1 1 2 3\n\n2 1 2 3.5\n");
        std::string nodes, elements, values;
        for (int i = 1; i <= 7001; ++i) nodes += std::to_string(i) + " 100 0\n", values += "25\n";
        for (int k = 1; k <= 13003; ++k) elements += std::to_string(k) + " 1 2 3\n";
        folder.write("full.nod", nodes + "7002 100\n");  // an incomplete record is no further node
        folder.write("big.nod", nodes + "7002 100 0\n");
        folder.write("bad.nod", nodes + "7002 abc 0\n7003 100 0\n");  // nor is a malformed one
        folder.write("big.bat", nodes);
        folder.write("big.ele", elements);
        folder.write("big.lst", "one surface\n\n1\n0\n" + values);
        folder.write("none.nod", "\n");
    }

    // The exit status; standard output and error go to out.txt and err.txt.
    int run(const std::string& answers, const std::string& answers_file = "answers.txt") const {
        if (!answers.empty()) folder.write(answers_file, answers);
        const std::string command =
            "cd '" + folder.root() + "' && '" HALVANE_EXE "' < " + answers_file + " > out.txt 2> err.txt";
        const int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    testing::TestFolder folder;
};

const std::string files = "bay.nod\nbay.ele\nbay.bat\n";

// Written by hand: uniform levels over 100, 120 and 40 m in four layers,
// sigma-t linear between the surfaces and constant beyond them.
const std::string bay_s3r = "Test bay" + std::string(64, ' ') +
                            "\n nodal values of sigt:  i,z,sigt\n 5\n"
                            "    1  -0.1000E+03  0.2600E+02\n    1  -0.7500E+02  0.2550E+02\n"
                            "    1  -0.5000E+02  0.2500E+02\n    1  -0.2500E+02  0.2450E+02\n"
                            "    1   0.0000E+00  0.2400E+02\n    2  -0.1200E+03  0.2700E+02\n"
                            "    2  -0.9000E+02  0.2680E+02\n    2  -0.6000E+02  0.2620E+02\n"
                            "    2  -0.3000E+02  0.2560E+02\n    2   0.0000E+00  0.2500E+02\n"
                            "    3  -0.4000E+02  0.2480E+02\n    3  -0.3000E+02  0.2460E+02\n"
                            "    3  -0.2000E+02  0.2440E+02\n    3  -0.1000E+02  0.2420E+02\n"
                            "    3   0.0000E+00  0.2400E+02\n";

TEST(Halvane, ShippedSampleGivesItsExpectedFile) {
    // Run as the README shows, from a folder that holds samples/halvane.
    Bay bay;
    std::filesystem::create_directory(bay.folder.path("samples"));
    std::filesystem::create_directory_symlink(HALVANE_SAMPLE_DIR, bay.folder.path("samples/halvane"));
    EXPECT_EQ(bay.run("", "samples/halvane/answers.txt"), 0);
    EXPECT_EQ(bay.folder.read("cove_june.s3r"), bay.folder.read("samples/halvane/cove_june.s3r"));
}

TEST(Halvane, RunsAndHowTheyEnd) {
    const std::string tail = "bay.lst\nbay.s3r\nB\n";
    const std::string title = std::string(72, 'T') + "cut\n";
    const std::string again = " Enter nnv\n  nnv must be between 1 and 30\n";
    const std::string answer = "halvane: terminal (standard input), answer to ";
    const std::string grid = " Enter grid option - UNIZ or SINEZ\n",
                      output = " Enter the name of the output baroclinic";
    // The last two records of node 3 (depth 40) on the sine grid with nnv = 5.
    const std::string sine = "    3  -0.1000E+01  0.2402E+02\n    3   0.0000E+00  0.2400E+02\n";
    const std::string questions = " Enter the name of the KESTRA Standard .nod file.\n Enter the name of the KESTRA "
                                  "Standard .ele file.\n Enter the name of the KESTRA Standard .bat file.\n";
    // out is found in standard output, or is all of it when it starts with the questions; s3r ends the output
    // file, and is empty when none is written.
    // clang-format off
    const struct { const char* name; std::string answers; int status; std::string out, err, s3r; } rows[] = {
        {"the whole dialogue; CR LF, trailing blanks, blank lines and words after nnv are read, \"Uniz\" is not",
         "bay.nod  \r\nbay.ele\nbay.bat\r\n\r\n  \n5 levels\r\nUniz\nUNIZ  \r\nbay.lst\nbay.s3r \r\nTest bay\r\n", 0,
         questions + " 3 nodal coordinates read from bay.nod\n 3 nodal bathymetries read from bay.bat\n"
             " 1 elements read from bay.ele\n Enter nnv\n" + grid + grid +
             " Enter the name of the level surface sigmat .lst file\n 3 x 3 real 3-D sigmat values loaded from "
             "bay.lst\n" + output + " .s3r file\n Enter the name of the mesh\n", "", bay_s3r},
        {"sine grid, after answers that are no option; the answer is cut to 72",
         files + "5\n SINEZ\nSINE\nSinez\nSINEZ now\nSINEZ" + std::string(67, ' ') + "cut\n" + tail, 0,
         grid + grid + grid + grid + grid + " Enter the name of the level", "", sine},
        {"nnv asked again until 1 to 30", files + "0\n31\n1\nsinez\n" + tail, 0,
         again + again + " Enter nnv\n Enter grid", "",
         " 1\n    1   0.0000E+00  0.2400E+02\n    2   0.0000E+00  0.2500E+02\n    3   0.0000E+00  0.2400E+02\n"},
        {"no nodes, 30 levels, a long title", "none.nod\nbay.ele\nnone.nod\n30\nuniz\nbay.lst\nbay.s3r\n" + title, 0,
         " 0 nodal coordinates read from none.nod\n 0 nodal bathymetries read from none.nod\n", "",
         title.substr(0, 72) + "\n nodal values of sigt:  i,z,sigt\n 30\n"},
        {"exactly 7001 nodes and too many elements go on", "full.nod\nbig.ele\nbig.bat\n", 2,
         "  Increase nndim, the number of nodes > 7001\n 7001 nodal coordinates read from full.nod\n"
         " 7001 nodal bathymetries read from big.bat\n  Increase nedim, the number of elements > 13001\n"
         " 13001 elements read from big.ele\n Enter nnv\n",
         answer + "\"Enter nnv\": end of input while the answer was awaited\n", ""},
        {"a malformed record after 7001 nodes is left unread",
         "bad.nod\nbig.ele\nbig.bat\n1\nUNIZ\nbig.lst\nbay.s3r\nB\n", 0,
         "  Increase nndim, the number of nodes > 7001\n 7001 nodal coordinates read from bad.nod\n", "",
         " 7001   0.0000E+00  0.2500E+02\n"},
        {"more than 7001 nodes", "big.nod\nbay.ele\nbig.bat\n5\nUNIZ\n" + tail, 1,
         "  Increase nndim, the number of nodes > 7001\n 7001 nodal coordinates read from big.nod\n"
         " 7001 nodal bathymetries read from big.bat\n 1 elements read from bay.ele\n", "", ""},
        {"missing files: .bat opened before .ele", "bay.nod\nmissing.ele\nmissing.bat\n", 2, questions,
         "halvane: cannot open \"missing.bat\": no such file\n", ""},
        {"fewer depths than nodes", "bay.nod\nbay.ele\nshort.bat\n", 2, questions,
         "halvane: \"short.bat\": end of file where the depth of node 2 was expected; the .nod file has more nodes "
         "than this file has depths\n", ""},
        {"malformed element", "bay.nod\nbad.ele\nbay.bat\n", 2, " 3 nodal bathymetries read from bay.bat\n",
         "halvane: \"bad.ele\", line 3: malformed number \"3.5\" where an integer was expected\n", ""},
        {"input names are asked again as the output", files + "5\nUNIZ\nbay.lst\nbay.lst\n./bay.nod\n" + tail, 0,
         output + " .s3r file\n The output file bay.lst is the input .lst file bay.lst; give another name\n" + output +
             " .s3r file\n The output file ./bay.nod is the input .nod file bay.nod; give another name\n",
         "", bay_s3r.substr(72)},
        {"lone CR line ends everywhere", "cr.nod\rcr.ele\rcr.bat\r5\rUNIZ\rcr.lst\rbay.s3r\rB\r", 0,
         " 3 x 3 real 3-D sigmat values loaded from cr.lst\n", "", bay_s3r.substr(72)},
        {"end of input at the mesh title", files + "5\nUNIZ\nbay.lst\nbay.s3r\n", 2,
         output + " .s3r file\n Enter the name of the mesh\n",
         answer + "\"Enter the name of the mesh\": end of input while the answer was awaited\n", ""},
        {"output folder missing", files + "5\nUNIZ\nbay.lst\nno/bay.s3r\nB\n", 2,
         " 3 x 3 real 3-D sigmat values loaded from bay.lst\n" + output + " .s3r file\n Enter the name of the mesh\n",
         "halvane: cannot open \"no/bay.s3r\" for writing: No such file or directory\n", ""},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Bay bay;
        EXPECT_EQ(bay.run(row.answers), row.status);
        const std::string out = bay.folder.read("out.txt");
        EXPECT_TRUE(!row.out.starts_with(questions) || out == row.out) << out;
        EXPECT_NE(out.find(row.out), std::string::npos) << out;
        EXPECT_EQ(bay.folder.read("err.txt"), row.err);
        EXPECT_EQ(std::filesystem::exists(bay.folder.path("bay.s3r")), !row.s3r.empty());
        EXPECT_TRUE(bay.folder.read("bay.s3r").ends_with(row.s3r)) << bay.folder.read("bay.s3r");
    }
}

}  // namespace
}  // namespace halvane
