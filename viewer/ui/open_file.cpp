#include "ui/open_file.h"

#include "ui/load_cruise.h"

void open_and_load(Viewer& v, OpenFileDialog& cmdgetdata, const std::string& filter, const CruiseReader& reader) {
    cmdgetdata.FileName("");
    cmdgetdata.Filter(filter);
    cmdgetdata.MultiSelect(false);
    cmdgetdata.ShowOpen();
    const std::string path = cmdgetdata.FileName();
    if (path.empty()) return;  // cancelled
    // The load tells the user what went wrong; nothing is left to do here.
    (void)reader(v, path);
}

namespace quenvar {

void mk5_Click(Viewer& v, OpenFileDialog& cmdgetdata) { open_and_load(v, cmdgetdata, kSb911Filter, readsb911); }

void bongosb_Click(Viewer& v, OpenFileDialog& cmdgetdata) { open_and_load(v, cmdgetdata, kBongoFilter, readbongo); }

void cnv_Click(Viewer& v, OpenFileDialog& cmdgetdata) {
    cmdgetdata.FileName("");
    cmdgetdata.Filter(kCnvFilter);
    cmdgetdata.MultiSelect(true);
    cmdgetdata.ShowOpen();
    if (cmdgetdata.FileName().empty()) return;  // cancelled
    (void)readcnv(v, cmdgetdata.FileNames());   // the load tells the user of its problems
}

}  // namespace quenvar
