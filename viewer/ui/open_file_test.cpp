#include "ui/open_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/fake_windows.h"

namespace {

// Answers with the files the user picks; none is a cancel, which leaves a stale name.
struct Dialog : OpenFileDialog {
    std::vector<std::string> answer;
    std::string name = "stale.hdr";
    void FileName(const std::string& n) override { name = n; }
    std::string FileName() const override { return name; }
    void Filter(const std::string&) override {}
    void MultiSelect(bool) override {}
    void ShowOpen() override { name = answer.empty() ? name : answer.front(); }
    std::vector<std::string> FileNames() const override { return answer.empty() ? std::vector{name} : answer; }
};

// A cancel loads nothing (not the stale name); a choice reaches the reader;
// "CNV casts" loads all the files chosen as one cruise.
TEST(OpenFile, CancelLoadsNothingAndChoicesReachTheReader) {
    Dialog dialog;
    FakeViewer f;
    std::vector<std::string> loaded;
    const CruiseReader reader = [&](Viewer&, const std::string& p) { return loaded.push_back(p), LoadResult{}; };
    open_and_load(f.viewer, dialog, kSb911Filter, reader);
    quenvar::cnv_Click(f.viewer, dialog);
    EXPECT_EQ(std::tuple(loaded.size(), f.filemsg.texts.size()), std::tuple(0u, 0u));
    dialog.answer = {"/data/tows/header.dat"};
    open_and_load(f.viewer, dialog, kBongoFilter, reader);
    EXPECT_EQ(loaded, std::vector<std::string>{"/data/tows/header.dat"});
    dialog.answer = {"/nowhere/b2.cnv", "/nowhere/a1.cnv"};
    quenvar::cnv_Click(f.viewer, dialog);
    EXPECT_EQ(f.filemsg.texts, std::vector<std::string>{"Reading 1 of 2: /nowhere/a1.cnv"}) << "both, in name order";
}

}  // namespace
