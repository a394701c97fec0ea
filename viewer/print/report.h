#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/viewer.h"

// The printed reports. Each print job writes one PDF, replacing a file of the
// same name, in v.report_folder (the working directory while it is empty).
enum class Report {
    stations,  // station plot: stations.pdf
    track,     // station plot with the ship's track: track.pdf
    cast,      // cast report of the current cast: cast-NNN.pdf
    casts,     // cast report of every loaded cast: casts.pdf
};

// "stations", "track", "cast" or "casts"; nothing for any other name.
std::optional<Report> report_named(std::string_view name);

// The file a report writes. For Report::cast NNN is castno(curcast) with its
// blanks removed ("cast-007.pdf"); characters that could leave the folder or
// upset a file system become '_', and an empty cast number gives the cast
// index instead ("cast-0.pdf" before any load).
std::string report_path(const Viewer& v, Report kind);

// Prints `kind` to `output`, or to report_path(v, kind) when `output` is
// empty. True when the PDF was written; the main window's status bar says
// which file was written or why it was not.
bool print_report(Viewer& v, Report kind, const std::string& output = {});

// Ends the job on `page`, asks the printer whether the file was written and
// tells the main window's status bar, adding `note` to a success. Shared by
// the two report routines.
bool finish_job(Viewer& v, PlotSurface& page, const std::string& path, const std::string& note = {});
