#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "export/cast_meta.h"
#include "files/output_file.h"
#include "ui/viewer.h"

// The Data menu's exports and `--export`: the stored casts written as a data
// file (viewer/export) and the outcome told on the main window's status line.

enum class DataFormat { csv, netcdf, odv };

// "csv", "netcdf" or "odv"; nothing for any other name.
[[nodiscard]] std::optional<DataFormat> data_format_named(std::string_view name);

// The file an export writes in v.report_folder (the working directory while
// it is empty): casts.csv, casts.nc or casts_odv.txt.
[[nodiscard]] std::string export_path(const Viewer& v, DataFormat format);

struct ExportRequest {
    std::string output;   // empty: export_path
    OutputRules rules{};  // viewer_inputs are added to its inputs
    ExportInfo info{};    // created 0: now
};

// Writes the export; the status line says "Wrote FILE" or "Could not write
// FILE: why", the name shown as shown_name shows it. True when it was written.
bool export_data(Viewer& v, DataFormat format, ExportRequest request = {});
