#include "ui/data_export.h"

#include <filesystem>

#include "export/csv_export.h"
#include "export/netcdf_export.h"
#include "export/odv_export.h"
#include "format/utf8_text.h"

std::optional<DataFormat> data_format_named(std::string_view name) {
    if (name == "csv") return DataFormat::csv;
    if (name == "netcdf") return DataFormat::netcdf;
    if (name == "odv") return DataFormat::odv;
    return std::nullopt;
}

std::string export_path(const Viewer& v, DataFormat format) {
    const char* name = format == DataFormat::csv      ? "casts.csv"
                       : format == DataFormat::netcdf ? "casts.nc"
                                                      : "casts_odv.txt";
    if (v.report_folder.empty()) return name;
    return (std::filesystem::path(v.report_folder) / name).string();
}

bool export_data(Viewer& v, DataFormat format, ExportRequest request) {
    const std::string path = request.output.empty() ? export_path(v, format) : request.output;
    for (const std::string& in : viewer_inputs(v)) request.rules.inputs.push_back(in);
    if (request.info.created == 0) request.info.created = std::time(nullptr);
    std::string why;
    bool ok = false;
    switch (format) {
        case DataFormat::csv:
            ok = write_csv(v.d, path, why, request.rules);
            break;
        case DataFormat::netcdf:
            ok = write_netcdf(v.d, request.info, path, why, request.rules);
            break;
        case DataFormat::odv:
            ok = write_odv(v.d, request.info, path, why, request.rules);
            break;
    }
    v.quenvar.status(ok ? "Wrote " + shown_name(path) : "Could not write " + shown_name(path) + ": " + why);
    return ok;
}
