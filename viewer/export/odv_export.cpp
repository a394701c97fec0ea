#include "export/odv_export.h"

#include <algorithm>

#include "export/csv_export.h"
#include "format/utf8_text.h"

namespace {

void append_cell(std::string& row, std::optional<double> v) {
    row += '\t';
    if (v) row += shortest_number(*v);
}

}  // namespace

bool odv_blocks(const CruiseData& d, const ExportInfo& info, const std::function<bool(std::string_view)>& out) {
    const std::vector<int> casts = exported_casts(d);
    const bool transmission = static_cast<int>(d.ncol) == 5;
    std::string block = "//<Encoding>UTF-8</Encoding>\n//<DataField>Ocean</DataField>\n";
    block += "//<DataType>Profiles</DataType>\n";
    block += "//<Software>" + shown_name(info.program) + "</Software>\n";
    block += "//<CreateTime>" + iso_time(double(info.created)) + "</CreateTime>\n";
    for (int c : casts) block += "//<Source>" + shown_name(d.castfile[c]) + "</Source>\n";
    block += "Cruise\tStation\tType\tyyyy-mm-ddThh:mm:ss.sss\tLongitude [degrees_east]\tLatitude [degrees_north]\t"
             "Bot. Depth [m]\tDepth [m]\tTemperature [\u00B0C]\tSalinity [psu]\tFluorescence\tSigma-t [kg/m^3]";
    block += transmission ? "\tTransmission [%]\n" : "\n";
    for (int c : casts) {
        std::string head = clean_text(cruise_name(d, c)) + '\t' + clean_text(d.castno[c]) + "\tC\t";
        if (const auto t = cast_time(d, c)) head += iso_time(*t, 3);
        const auto west = finite_value(d.lon[c]);
        append_cell(head, west ? std::optional(-*west) : std::nullopt);  // west-positive in the store
        append_cell(head, finite_value(d.lat[c]));
        append_cell(head, finite_value(d.botdep[c]));
        const int n = std::clamp(static_cast<int>(d.npts[c]), 0, kMaxScan);
        for (int j = 1; j <= n; ++j) {
            block += head;
            for (int v : {kDepth, kTemp, kSalt, kFluor, kSigma}) append_cell(block, finite_value(d.castdat(c, j, v)));
            if (transmission) append_cell(block, finite_value(d.castdat(c, j, kTrans)));
            block += '\n';
        }
        if (block.size() > (1 << 16)) {
            if (!out(block)) return false;
            block.clear();
        }
    }
    return out(block);
}

bool write_odv(const CruiseData& d, const ExportInfo& info, const std::string& path, std::string& why,
               const OutputRules& rules) {
    OutputFile file(path, rules);
    const bool ok =
        file.ok() && odv_blocks(d, info, [&file](std::string_view b) { return file.write(b); }) && file.commit();
    why = file.why();
    return ok;
}
