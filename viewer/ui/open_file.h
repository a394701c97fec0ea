#pragma once

#include <functional>
#include <string>
#include <vector>

#include "readers/cruise_load.h"
#include "ui/viewer.h"

// The open-file dialog `cmdgetdata`.
class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;
    virtual void FileName(const std::string& name) = 0;
    virtual std::string FileName() const = 0;
    // "Description|pattern", one pair.
    virtual void Filter(const std::string& filter) = 0;
    // With multiple selection on, the dialog lets the user choose several files.
    virtual void MultiSelect(bool on) = 0;
    // Shows the dialog and waits until it closes; a cancel leaves FileName as it was.
    virtual void ShowOpen() = 0;
    // The files chosen, in the dialog's order; FileName() is the first.
    virtual std::vector<std::string> FileNames() const = 0;
};

inline constexpr const char* kSb911Filter = "Cruise Files (*.hdr)|*.hdr";
inline constexpr const char* kBongoFilter = "Bongo-SB Files (header.dat)|header.dat";
inline constexpr const char* kCnvFilter = "CNV Files (*.cnv)|*.cnv";

using CruiseReader = std::function<LoadResult(Viewer&, const std::string&)>;

// The open-file step: clear the name, set the filter, show the dialog; unless
// it was cancelled, hand the chosen path to `reader`.
void open_and_load(Viewer& v, OpenFileDialog& cmdgetdata, const std::string& filter, const CruiseReader& reader);

namespace quenvar {
// "SB911 data" and "Bongo-SB data".
void mk5_Click(Viewer& v, OpenFileDialog& cmdgetdata);
void bongosb_Click(Viewer& v, OpenFileDialog& cmdgetdata);
// "CNV casts": the open-file step with multiple selection; the files chosen
// are one load (readcnv).
void cnv_Click(Viewer& v, OpenFileDialog& cmdgetdata);
}  // namespace quenvar
