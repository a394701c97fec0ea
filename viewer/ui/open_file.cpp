#include "ui/open_file.h"

#include "readers/record_fields.h"
#include "ui/load_cruise.h"

std::string report_folder_of(const std::string& path) {
    std::string folder = folder_of(path);
    if (folder.size() > 1) folder.pop_back();  // keep "/" itself
    return folder;
}

void open_and_load(Viewer& v, OpenFileDialog& cmdgetdata, const std::string& filter, const CruiseReader& reader) {
    cmdgetdata.FileName("");
    cmdgetdata.Filter(filter);
    cmdgetdata.ShowOpen();
    const std::string path = cmdgetdata.FileName();
    if (path.empty()) return;  // cancelled
    v.report_folder = report_folder_of(path);
    reader(v, path);
}

void load_named_file(Viewer& v, const std::string& path) {
    v.report_folder = report_folder_of(path);
    load_file(v, path);
}

namespace quenvar {

void mk5_Click(Viewer& v, OpenFileDialog& cmdgetdata) { open_and_load(v, cmdgetdata, kSb911Filter, readsb911); }

void bongosb_Click(Viewer& v, OpenFileDialog& cmdgetdata) { open_and_load(v, cmdgetdata, kBongoFilter, readbongo); }

}  // namespace quenvar
