#include "ui/open_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/fake_windows.h"

namespace {

// Answers with the files the user picks; none is a cancel.
struct Dialog : OpenFileDialog {
    std::vector<std::string> answer;
    std::string name = "stale.hdr", filter;
    bool multi = true;
    void FileName(const std::string& n) override { name = n; }
    std::string FileName() const override { return name; }
    void Filter(const std::string& f) override { filter = f; }
    void MultiSelect(bool on) override { multi = on; }
    void ShowOpen() override { name = answer.empty() ? name : answer.front(); }
    std::vector<std::string> FileNames() const override { return answer.empty() ? std::vector{name} : answer; }
};

}  // namespace

// The dialog shows the reader's filter; a cancel loads nothing (the name it
// held before is not reused), a choice hands its path to the reader.
TEST(OpenFile, CancelLoadsNothingAndAChoiceReachesTheReader) {
    Dialog dialog;
    FakeViewer f;
    std::vector<std::string> loaded;
    const CruiseReader reader = [&](Viewer&, const std::string& p) {
        loaded.push_back(p);
        return LoadResult{};
    };
    open_and_load(f.viewer, dialog, kSb911Filter, reader);
    EXPECT_EQ(std::tuple(dialog.filter, loaded.size()), std::tuple(kSb911Filter, 0u));
    dialog.answer = {"/data/tows/header.dat"};
    open_and_load(f.viewer, dialog, kBongoFilter, reader);
    EXPECT_EQ(std::tuple(loaded, dialog.multi), std::tuple(std::vector<std::string>{"/data/tows/header.dat"}, false));
}

// "CNV casts" allows several files and loads them as one cruise; a cancel loads nothing.
TEST(OpenFile, CnvCastsAreChosenTogether) {
    FakeViewer f;
    Dialog dialog;
    quenvar::cnv_Click(f.viewer, dialog);
    EXPECT_EQ(std::tuple(dialog.filter, dialog.multi, f.filemsg.texts.size()), std::tuple("CNV Files (*.cnv)|*.cnv", true, 0u));
    dialog.answer = {"/nowhere/b2.cnv", "/nowhere/a1.cnv"};
    quenvar::cnv_Click(f.viewer, dialog);
    EXPECT_EQ(f.filemsg.texts, std::vector<std::string>{"Reading: /nowhere/a1.cnv"});
    EXPECT_EQ(f.alerts.shown.at(0).first, "CNV casts");
}
