#include "ui/load_cruise.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "testing/fake_windows.h"
#include "testing/scratch_folder.h"

namespace {

using Op = RecordingSurface::Op;
using Strings = std::vector<std::string>;

// An SB911 record for cast `no`: E617, 41 12.0' N, 070 53.1' W, 18-07-20 at 17.4 h, 20 m of water.
std::string sb911_record(const std::string& no) { return "E61741120070531   180720174   " + no + "  20\r\n"; }

std::string scans(int n) {
    std::string out;
    while (n--) out += " 1 18.5 32.1 0.9 4.0 250\r\n";
    return out;
}

// The Bongo-SB header record of tow `no`.
std::string bongo_record(const std::string& no) { return no + " B01  7 21 13 30 4052.5 7053.1    60\r\n"; }

struct LoadFlow : ::testing::Test {
    ScratchFolder folder;
    FakeViewer fake{ViewerPaths{"", "", folder.path("test.dat")}};
    Viewer& v = fake.viewer;

    // Writes a header listing `casts` and every cast file but `missing`.
    std::string sb911_cruise(const Strings& casts, const std::string& missing = "") {
        std::string header;
        for (const std::string& no : casts) {
            header += sb911_record(no);
            if (no != missing) folder.write("CRUISEd" + no + ".PRE", scans(no == "021" ? 997 : 3));
        }
        return folder.write("CRUISE.hdr", header);
    }
};

// A load that stops (cast 3's file is missing) keeps the casts read before it,
// the one cut at 500 scans included, hides filemsg, ends on cast 1 and names
// each file concerned in one message; a missing coastline is told once.
TEST_F(LoadFlow, StoppedLoadKeepsItsCastsThenNamesEachFileInOneMessage) {
    const std::string header = sb911_cruise({"001", "021", "003", "004"}, "003");  // 021 holds 997 scans
    fake.lister.list.clear();
    EXPECT_TRUE(readsb911(v, header).stopped);
    const auto& list = fake.lister.list.calls();
    EXPECT_EQ(std::tuple(list.at(0).op, list.at(1).text, fake.Stations.map.calls().at(0).op),
              std::tuple(Op::Cls, kListHeading, Op::Cls));
    EXPECT_EQ(std::pair(fake.filemsg.texts.size(), last(fake.filemsg.texts)),
              std::pair(3ul, "Reading: " + folder.path("CRUISEd003.PRE")));
    EXPECT_EQ(std::tuple(fake.filemsg.visible, fake.d.ncast.value(), fake.d.curcast.value(), fake.d.npts[2].value()),
              std::tuple(false, 2.0, 1.0, 500.0));
    EXPECT_EQ(last(fake.quenvar.captions), folder.path("CRUISEd001.PRE")) << "cast 1 drawn";
    ASSERT_EQ(fake.alerts.shown.size(), 1u);
    EXPECT_EQ(fake.alerts.shown[0].second,
              folder.path("CRUISEd021.PRE") + ": holds more than 500 scans; the first 500 were kept\n" +
                  folder.path("CRUISEd003.PRE") + ": cannot be opened: No such file or directory\n" +
                  "The load stopped early; casts 1 to 2 are loaded.");
    EXPECT_EQ(std::pair(fake.quenvar.statuses.size(), last(fake.quenvar.statuses).substr(0, 25)),
              std::pair(1ul, std::string("No coastline on the map: ")));
    // Stopped at its first cast.
    EXPECT_TRUE(readsb911(v, sb911_cruise({"009"}, "009")).stopped);
    EXPECT_EQ(last(fake.alerts.shown).second, folder.path("CRUISEd009.PRE") +
                                                  ": cannot be opened: No such file or directory\n"
                                                  "The load stopped early; no cast was loaded.");
}

// A file named on the command line goes to the reader its name calls; a header
// that cannot be opened stops the load with that reader's message.
TEST_F(LoadFlow, CommandLineFilesGoToTheReaderTheirNameCalls) {
    folder.write("c/SBE007.asc", " 1 20 31 1\n");
    // title: of the message box, none when the load went well
    // clang-format off
    struct Row { const char* name; std::string file, title; double ncast; std::string report_folder; };
    const Row rows[] = {
        {"missing cruise header", folder.path("missing.hdr"), "SB911 data", 0, ""},
        {"the Bongo-SB sample", QUENVAR_SAMPLES_DIR "/bongo/header.dat", "", 54, QUENVAR_SAMPLES_DIR "/bongo/"},
        {"HEADER.DAT from a DOS machine", folder.write("c/HEADER.DAT", bongo_record("7  ")), "", 51, folder.path("c/")},
    };  // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fake.alerts.shown.clear();
        EXPECT_EQ(load_file(v, row.file).stopped, !row.title.empty());
        const std::string title = fake.alerts.shown.empty() ? "" : fake.alerts.shown[0].first;
        EXPECT_EQ(std::tuple(fake.d.ncast.value(), v.report_folder, title),
                  std::tuple(row.ncast, row.report_folder, row.title));
    }
}

// Every load replaces the diagnostic file, one that stops included.
TEST_F(LoadFlow, BongoLoadWritesTheDiagnosticFileAndEndsOnCastFiftyOne) {
    folder.write("test.dat", "an earlier load's lines\n");
    folder.write("tows/SBE007.asc", " 1.5 20.1 31.9 1\r\n 6 18 32.1 2\r\n 2 19.5 32 3\r\n");
    folder.write("tows/SBE012.asc", " 1 20 -1.25 1\r\n 0.5 20 31 2\r\n");
    const std::string header = folder.write("tows/header.dat", bongo_record("7  ") + bongo_record("12 "));
    EXPECT_FALSE(readbongo(v, header).stopped);
    EXPECT_EQ(std::tuple(fake.d.ncast.value(), fake.d.curcast.value(), fake.filemsg.visible, fake.alerts.shown.size()),
              std::tuple(52.0, 51.0, false, 0u));
    EXPECT_EQ(ScratchFolder::read(folder.path("test.dat")), " 1.5  20.1  31.9\n 3\n 2  19.5  32\nk: 2\nm: 2\n"
                                                            " 1  20 -1.25\n 2\n .5  20  31\nk: 1\nm: 2\n");
    EXPECT_TRUE(readbongo(v, folder.path("nowhere/header.dat")).stopped);
    EXPECT_EQ(ScratchFolder::read(folder.path("test.dat")), "");

    // A link planted in its place, symbolic or hard, is refused (its target
    // stays whole); the load goes on.
    const std::string victim = folder.write("victim", "precious\n");
    std::filesystem::create_symlink(victim, folder.path("link.dat"));
    std::filesystem::create_hard_link(victim, folder.path("hard.dat"));
    for (const auto& [name, why] : {std::pair("link.dat", ": it is a symbolic link"),
                                    std::pair("hard.dat", ": it is not a regular file of this user's alone")}) {
        SCOPED_TRACE(name);
        v.paths.diagnostic = folder.path(name);
        fake.alerts.shown.clear();
        EXPECT_FALSE(readbongo(v, header).stopped);
        ASSERT_EQ(fake.alerts.shown.size(), 1u);
        EXPECT_TRUE(fake.alerts.shown[0].second.ends_with(why)) << fake.alerts.shown[0].second;
        EXPECT_EQ(ScratchFolder::read(victim), "precious\n");
    }
}

// CNV files load in name order as one cruise, told at most ten times a second; on the command line each run
// of .cnv files is one load; past 200 files the message says what was left out.
TEST_F(LoadFlow, CnvCastsLoadAsOneCruise) {
    const std::string cast = "# name 0 = depSM: d\n# name 1 = t090C: t\n# name 2 = sal00: s\n*END*\n 1 10 35\n";
    const Strings files{folder.write("b/Station_2.cnv", cast), folder.write("a/Station_10.cnv", cast),
                        folder.write("c/Station_1.cnv", cast)};
    EXPECT_FALSE(readcnv(v, files).stopped);
    EXPECT_EQ(std::tuple(fake.d.ncast.value(), fake.d.curcast.value(), fake.d.ncol.value(), v.report_folder),
              std::tuple(3.0, 1.0, 4.0, folder.path("c/")));

    const auto loads = load_files(v, {files[0], folder.write("A.CNV", cast), sb911_cruise({"001", "002"}), files[1]});
    EXPECT_EQ(std::tuple(loads.size(), loads.at(0).ncast, loads.at(1).ncast, loads.at(2).ncast),
              std::tuple(3u, 2, 2, 1));
    EXPECT_TRUE(fake.alerts.shown.empty());

    Strings many;
    for (int i = 1001; i <= 1202; ++i) many.push_back(folder.write("many/s" + std::to_string(i) + ".cnv", cast));
    fake.filemsg.texts.clear();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(readcnv(v, many).stopped);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    EXPECT_LE(fake.filemsg.texts.size(), 1 + std::size_t(took.count() * 10));
    EXPECT_EQ(fake.filemsg.texts.at(0), "Reading 1 of 202: " + many[0]);
    EXPECT_EQ(std::tuple(fake.d.ncast.value(), fake.alerts.shown.size(), last(fake.alerts.shown).second),
              std::tuple(200.0, 1u,
                         many[200] + ": was not loaded, nor were the files after it in name order "
                                     "(2 files in all): a load holds at most 200 casts\n"
                                     "The load stopped early; casts 1 to 200 are loaded."));
}

}  // namespace
