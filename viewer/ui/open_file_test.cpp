#include "ui/open_file.h"

#include <gtest/gtest.h>

#include "testing/fake_windows.h"

namespace {

class FakeDialog : public OpenFileDialog {
public:
    std::string answer;  // what the user picks; empty = cancel
    std::string name = "stale.hdr";
    std::string filter;
    int shown = 0;
    void FileName(const std::string& n) override { name = n; }
    std::string FileName() const override { return name; }
    void Filter(const std::string& f) override { filter = f; }
    void ShowOpen() override {
        ++shown;
        if (!answer.empty()) name = answer;
    }
};

}  // namespace

TEST(OpenFile, CancelLeavesEverythingAsItWas) {
    FakeViewer f;
    FakeDialog dialog;  // the last chosen name must not be reused on cancel
    std::vector<std::string> loaded;
    open_and_load(f.viewer, dialog, kSb911Filter, [&](Viewer&, const std::string& p) {
        loaded.push_back(p);
        return LoadResult{};
    });
    EXPECT_EQ(dialog.shown, 1);
    EXPECT_EQ(dialog.filter, "Cruise Files (*.hdr)|*.hdr");
    EXPECT_TRUE(loaded.empty());
    EXPECT_TRUE(f.filemsg.texts.empty());
}

TEST(OpenFile, TheChosenPathReachesTheReader) {
    FakeViewer f;
    FakeDialog dialog;
    dialog.answer = "/data/tows/header.dat";
    std::vector<std::string> loaded;
    open_and_load(f.viewer, dialog, kBongoFilter, [&](Viewer&, const std::string& p) {
        loaded.push_back(p);
        return LoadResult{};
    });
    EXPECT_EQ(dialog.filter, "Bongo-SB Files (header.dat)|header.dat");
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0], "/data/tows/header.dat");
}
