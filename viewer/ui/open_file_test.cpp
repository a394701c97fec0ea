#include "ui/open_file.h"

#include <gtest/gtest.h>

#include "testing/fake_windows.h"

namespace {

class FakeDialog : public OpenFileDialog {
public:
    std::string answer;  // what the user picks; empty = cancel
    std::string name = "stale.hdr", filter;
    void FileName(const std::string& n) override { name = n; }
    std::string FileName() const override { return name; }
    void Filter(const std::string& f) override { filter = f; }
    void ShowOpen() override {
        if (!answer.empty()) name = answer;
    }
};

// The dialog shows the reader's filter; a cancel loads nothing (the last chosen
// name is not reused), a choice hands its path to the reader.
TEST(OpenFile, CancelLoadsNothingAndAChoiceReachesTheReader) {
    FakeViewer f;
    FakeDialog dialog;
    std::vector<std::string> loaded;
    const CruiseReader reader = [&](Viewer&, const std::string& p) {
        loaded.push_back(p);
        return LoadResult{};
    };
    open_and_load(f.viewer, dialog, kSb911Filter, reader);
    EXPECT_EQ(dialog.filter, "Cruise Files (*.hdr)|*.hdr");
    EXPECT_TRUE(loaded.empty());
    dialog.answer = "/data/tows/header.dat";
    open_and_load(f.viewer, dialog, kBongoFilter, reader);
    EXPECT_EQ(dialog.filter, "Bongo-SB Files (header.dat)|header.dat");
    EXPECT_EQ(loaded, std::vector<std::string>{"/data/tows/header.dat"});
}

}  // namespace
