#include "ui/load_cruise.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "testing/scratch_folder.h"
#include "testing/fake_windows.h"
#include "ui/station_map.h"

namespace {

using Op = RecordingSurface::Op;

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An SB911 record for cast `no` at 41 12.0' N, 70 53.1' W.
std::string sb911_record(const std::string& no) {
    return std::string("E617" "41" "120" "070" "531" "   " "18" "07" "20" "174" "   ") + no + "  20";
}

std::string scans(int n) {
    std::string out;
    for (int s = 1; s <= n; ++s) out.append(" ").append(std::to_string(s)).append(" 18.5 32.1 0.9 4.0 250\r\n");
    return out;
}

// Two tows at 40 52.5' N, 70 53.1' W; the bongo header record of cast `no`.
std::string bongo_record(const std::string& no) { return no + " B01  7 21 13 30 4052.5 7053.1    60"; }

struct LoadFlow : ::testing::Test {
    ScratchFolder folder;
    FakeViewer fake{ViewerPaths{"", "", folder.path("test.dat")}};
    Viewer& v = fake.viewer;

    void SetUp() override { setup(v); }

    std::string sb911_cruise(int casts) {
        std::string header;
        for (int c = 1; c <= casts; ++c) {
            const std::string no = "00" + std::to_string(c);
            header += sb911_record(no) + "\r\n";
            folder.write("CRUISEd" + no + ".PRE", scans(3));
        }
        return folder.write("CRUISE.hdr", header);
    }
};

TEST_F(LoadFlow, Sb911LoadShowsProgressThenEndsOnCastOne) {
    const std::string header = sb911_cruise(2);
    fake.lister.list.clear();
    fake.Stations.map.clear();
    EXPECT_FALSE(readsb911(v, header).stopped);
    EXPECT_EQ(fake.filemsg.texts, (std::vector<std::string>{"Reading: " + folder.path("CRUISEd001.PRE"),
                                                            "Reading: " + folder.path("CRUISEd002.PRE")}));
    EXPECT_FALSE(fake.filemsg.visible);
    EXPECT_EQ(std::pair(fake.d.ncast.value(), fake.d.curcast.value()), std::pair(2.0, 1.0));
    EXPECT_TRUE(fake.alerts.shown.empty());
    // The listing was reset to its underlined heading, the map cleared.
    const auto& list = fake.lister.list.calls();
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(list[0].op, Op::Cls);
    EXPECT_EQ(std::tuple(list[1].text, list[1].state.underline, list[1].state.current_x, list[1].state.current_y),
              std::tuple(kListHeading, true, 2, 1));
    EXPECT_EQ(fake.Stations.map.calls().at(0).op, Op::Cls);
    // No screen coastline here: said once, at the load, not at each redraw.
    ASSERT_EQ(fake.quenvar.statuses.size(), 1u);
    EXPECT_EQ(fake.quenvar.statuses[0].rfind("No coastline on the map: ", 0), 0u) << fake.quenvar.statuses[0];
    EXPECT_FALSE(Stations::Form_Resize(v).ok());
    EXPECT_EQ(fake.quenvar.statuses.size(), 1u);
}

// A load that stops ends as usual, keeps the casts read before the fault and
// then names each file concerned in one message.
TEST_F(LoadFlow, StoppedLoadKeepsItsCastsThenNamesEachFileInOneMessage) {
    std::string header;
    for (const char* no : {"001", "021", "003", "004"}) header += sb911_record(no) + "\n";
    folder.write("CRUISEd001.PRE", scans(2));
    folder.write("CRUISEd021.PRE", scans(997));
    // 003 is missing; 004 is never reached.
    folder.write("CRUISEd004.PRE", scans(2));
    EXPECT_TRUE(readsb911(v, folder.write("CRUISE.hdr", header)).stopped);
    EXPECT_FALSE(fake.filemsg.visible);
    EXPECT_EQ(fake.filemsg.texts.back(), "Reading: " + folder.path("CRUISEd003.PRE"));
    EXPECT_EQ(std::tuple(fake.d.ncast.value(), fake.d.curcast.value(), fake.d.npts[2].value()),
              std::tuple(2.0, 1.0, 500.0));
    ASSERT_EQ(fake.alerts.shown.size(), 1u);
    EXPECT_EQ(fake.alerts.shown[0].first, "SB911 data");
    EXPECT_EQ(fake.alerts.shown[0].second,
              folder.path("CRUISEd021.PRE") + ": holds more than 500 scans; the first 500 were kept\n" +
                  folder.path("CRUISEd003.PRE") + ": cannot be opened: No such file or directory\n" +
                  "The load stopped early; casts 1 to 2 are loaded.");
}

// A file named on the command line goes to the reader its name calls; a header
// that cannot be opened stops the load with that reader's message.
TEST_F(LoadFlow, CommandLineFilesGoToTheReaderTheirNameCalls) {
    folder.write("b/SBE007.asc", " 1 20 31 1\n");
    folder.write("c/SBE007.asc", " 1 20 31 1\n");
    struct Row {
        const char* name;
        std::string file, title;  // title: of the message box, none when the load went well
        double ncast;
        std::string report_folder;
    };
    const Row rows[] = {
        {"missing cruise header", folder.path("missing.hdr"), "SB911 data", 0, ""},
        {"missing header.dat", folder.path("gone/header.dat"), "Bongo-SB data", 50, ""},
        {"a cruise header", sb911_cruise(3), "", 3, folder.path("")},
        {"header.dat", folder.write("b/header.dat", bongo_record("7  ") + "\n"), "", 51, folder.path("b/")},
        {"HEADER.DAT from a DOS machine", folder.write("c/HEADER.DAT", bongo_record("7  ") + "\n"), "", 51,
         folder.path("c/")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake.alerts.shown.clear();
        EXPECT_EQ(load_file(v, row.file).stopped, !row.title.empty());
        EXPECT_EQ(fake.d.ncast, row.ncast);
        EXPECT_EQ(v.report_folder, row.report_folder);
        if (row.title.empty()) {
            EXPECT_TRUE(fake.alerts.shown.empty());
            continue;
        }
        ASSERT_EQ(fake.alerts.shown.size(), 1u);
        EXPECT_EQ(fake.alerts.shown[0],
                  std::pair(row.title, row.file + ": cannot be opened: No such file or directory\n"
                                                  "The load stopped early; no cast was loaded."));
    }
}

TEST_F(LoadFlow, BongoLoadWritesTheDiagnosticFileAndEndsOnCastFiftyOne) {
    folder.write("test.dat", "an earlier load's lines\n");
    folder.write("tows/SBE007.asc", " 1.5 20.1 31.9 1\r\n 6 18 32.1 2\r\n 2 19.5 32 3\r\n");
    folder.write("tows/SBE012.asc", " 1 20 -1.25 1\r\n 0.5 20 31 2\r\n");
    (void)readbongo(v, folder.write("tows/header.dat", bongo_record("7  ") + "\r\n" + bongo_record("12 ") + "\r\n"));
    EXPECT_EQ(std::pair(fake.d.ncast.value(), fake.d.curcast.value()), std::pair(52.0, 51.0));
    EXPECT_FALSE(fake.filemsg.visible);
    EXPECT_EQ(fake.filemsg.texts, (std::vector<std::string>{"Reading: " + folder.path("tows/SBE007.asc"),
                                                            "Reading: " + folder.path("tows/SBE012.asc")}));
    EXPECT_TRUE(fake.alerts.shown.empty());
    EXPECT_EQ(read_all(folder.path("test.dat")), " 1.5  20.1  31.9\n 3\n 2  19.5  32\nk: 2\nm: 2\n"
                                                 " 1  20 -1.25\n 2\n .5  20  31\nk: 1\nm: 2\n");
}

// The diagnostic file is replaced even by a load that stops; one that cannot
// be written does not stop the load, though the user hears of it.
TEST_F(LoadFlow, DiagnosticFileOnFailures) {
    folder.write("test.dat", "old\n");
    EXPECT_TRUE(readbongo(v, folder.path("nowhere/header.dat")).stopped);
    EXPECT_EQ(read_all(folder.path("test.dat")), "");

    v.paths.diagnostic = folder.path("no-such-folder/test.dat");
    fake.alerts.shown.clear();
    folder.write("SBE007.asc", " 1 20 31 1\n 2 19 32 2\n");
    EXPECT_FALSE(readbongo(v, folder.write("header.dat", bongo_record("7  ") + "\n")).stopped);
    EXPECT_EQ(fake.d.ncast, 51);
    ASSERT_EQ(fake.alerts.shown.size(), 1u);
    EXPECT_EQ(fake.alerts.shown[0].second, v.paths.diagnostic + ": the diagnostic file could not be written");
}

// The order `make run` opens them in: the SB911 cruise, then the tows, which
// leave casts 1 to 50 to the SB911 cruise.
TEST_F(LoadFlow, SamplesLoadWithoutAMessage) {
    EXPECT_FALSE(load_file(v, QUENVAR_SAMPLES_DIR "/sb911/EN617.hdr").stopped);
    EXPECT_EQ(fake.d.ncast, 35);
    EXPECT_FALSE(load_file(v, QUENVAR_SAMPLES_DIR "/bongo/header.dat").stopped);
    EXPECT_GT(fake.d.ncast, 52);
    EXPECT_EQ(fake.d.curcast, 51);
    EXPECT_TRUE(fake.alerts.shown.empty());
    EXPECT_EQ(fake.d.castno[35], "035");
}

}  // namespace
