#include "ui/open_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/fake_windows.h"

// The dialog shows the reader's filter; a cancel loads nothing (the name it
// held before is not reused), a choice hands its path to the reader.
TEST(OpenFile, CancelLoadsNothingAndAChoiceReachesTheReader) {
    struct Dialog : OpenFileDialog {
        std::string answer, name = "stale.hdr", filter;  // answer: what the user picks; empty = cancel
        void FileName(const std::string& n) override { name = n; }
        std::string FileName() const override { return name; }
        void Filter(const std::string& f) override { filter = f; }
        void ShowOpen() override { name = answer.empty() ? name : answer; }
    } dialog;
    FakeViewer f;
    std::vector<std::string> loaded;
    const CruiseReader reader = [&](Viewer&, const std::string& p) {
        loaded.push_back(p);
        return LoadResult{};
    };
    open_and_load(f.viewer, dialog, kSb911Filter, reader);
    EXPECT_EQ(std::tuple(dialog.filter, loaded.size()), std::tuple(kSb911Filter, 0u));
    dialog.answer = "/data/tows/header.dat";
    open_and_load(f.viewer, dialog, kBongoFilter, reader);
    EXPECT_EQ(loaded, std::vector<std::string>{"/data/tows/header.dat"});
}
