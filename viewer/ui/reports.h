#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/viewer.h"

// The printed reports, run as print jobs from the menu or the command line. Each print job writes one PDF, replacing a
// file of the same name, in v.report_folder (the working directory while it is empty).
enum class Report {
    stations,  // station plot: stations.pdf
    track,     // station plot with the ship's track: track.pdf
    cast,      // cast report of the current cast: cast-NNN.pdf
    casts,     // cast report of every loaded cast: casts.pdf
    ts,        // T-S diagram of the current cast: ts.pdf
    section,   // section of v.section_choice, landscape: section.pdf
};

// "stations", "track", "cast", "casts", "ts" or "section"; nothing for any other name.
std::optional<Report> report_named(std::string_view name);

// The file a report writes. For Report::cast NNN is castno(curcast) with its
// blanks removed ("cast-007.pdf"); characters that could leave the folder or
// upset a file system become '_', and an empty cast number gives the cast
// index instead ("cast-0.pdf" before any load).
std::string report_path(const Viewer& v, Report kind);

// The name of the folder of the last cruise loaded ("EN617"); empty before any load.
std::string cruise_name(const Viewer& v);

// True, with the reason on the status line, when `output` may not be written:
// it would replace one of viewer_inputs, or the output writer refuses it.
bool output_refused(Viewer& v, const std::string& output);

// Ends a print job on `page`, asks the printer whether `path` was written and
// says so in the main window's status line, adding `note` to a success.
bool finish_job(Viewer& v, PlotSurface& page, const std::string& path, const std::string& note = {});

// Prints `kind` to `output`, or to report_path(v, kind) when `output` is
// empty. True when the PDF was written; the main window's status line says
// which file was written or why it was not. An output the output writer
// would refuse, or one of viewer_inputs, is refused before any page is drawn.
[[nodiscard]] bool print_report(Viewer& v, Report kind, const std::string& output = {});

// The station plot (`withtrack`: with the ship's track) as one print job to
// `output`: filemsg shows "   Printing plot of cast locations" while it runs,
// the status line says which file was written (and when the coastline could
// not be drawn), and the current cast is drawn again at the end. True when
// the PDF was written.
[[nodiscard]] bool staprint(Viewer& v, bool withtrack, const std::string& output);
// The same to report_path(v, stations or track): the "&Report" menu entries.
void staprint(Viewer& v, bool withtrack);

// The cast report of report_casts(selector), one page a cast, as one print
// job to `output`: filemsg shows "  Printing cast " and the cast number while
// a cast is laid out, and the current cast is drawn again at the end. When
// the selection holds no cast nothing is written, the status line says so and
// the result is false.
[[nodiscard]] bool print_casts(Viewer& v, int selector, const std::string& output);
// The same to report_path(v, casts or cast).
void print_casts(Viewer& v, int selector);
