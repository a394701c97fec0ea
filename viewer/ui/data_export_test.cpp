#include "ui/data_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/fake_windows.h"
#include "testing/scratch_folder.h"
#include "ui/load_cruise.h"
#include "ui/reports.h"

namespace {

// The sample cruise in every format: the default file, the status line naming
// it (control characters escaped); never over a cast file, nor a report. The
// NetCDF header and storage as ncdump shows them, against the one checked in
// (time and command given, library versions masked: nothing changes).
TEST(DataExport, TheSampleCruiseInEveryFormat) {
    ScratchFolder dir;  // the cruise copied into it: a fault must not reach the samples
    std::filesystem::copy(QUENVAR_SAMPLES_DIR "/sb911", dir.path(""));
    FakeViewer f;
    ASSERT_FALSE(load_file(f.viewer, dir.path("EN617.hdr")).stopped);
    // clang-format off
    const struct { DataFormat format; std::string output, file, shown; } rows[] = {
        {DataFormat::csv, "", "casts.csv", "casts.csv"}, {DataFormat::netcdf, "", "casts.nc", "casts.nc"},
        {DataFormat::odv, "", "casts_odv.txt", "casts_odv.txt"},
        {DataFormat::csv, dir.path("a\x1b]0;x\a.csv"), "a\x1b]0;x\a.csv", "a\\x1B]0;x\\x07.csv"},
    };  // clang-format on
    const ExportInfo info{"quenvar9", "quenvar9 --export netcdf EN617.hdr", 1714564800};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        EXPECT_TRUE(export_data(f.viewer, row.format, {row.output, {}, info}));
        EXPECT_EQ(last(f.quenvar.statuses), "Wrote " + dir.path(row.shown));
        EXPECT_TRUE(std::filesystem::is_regular_file(dir.path(row.file)));
    }
    ASSERT_EQ(
        std::system(("ncdump -hs " + dir.path("casts.nc") + " | grep -v _NCProperties >" + dir.path("h")).c_str()), 0);
    EXPECT_EQ(ScratchFolder::read(dir.path("h")), ScratchFolder::read(QUENVAR_SAMPLES_DIR "/sb911/EN617.nc.cdl"));
    EXPECT_FALSE(export_data(f.viewer, DataFormat::csv, {f.d.castfile[1]}));
    EXPECT_EQ(last(f.quenvar.statuses), "Could not write " + f.d.castfile[1] + ": is an input of the load");
    EXPECT_FALSE(print_report(f.viewer, Report::casts, f.d.castfile[2]));
    EXPECT_TRUE(f.printer.jobs.empty());
}

}  // namespace
