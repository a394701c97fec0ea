#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/data_export.h"
#include "ui/reports.h"

// What the command line asks for. Parsed before any window or platform
// exists, so a mistake costs no display.
struct CommandLine {
    enum class Mode { viewer, help, version, report, export_data };
    Mode mode = Mode::viewer;
    Report report = Report::casts;
    DataFormat format = DataFormat::csv;
    std::string output;  // empty: the default file in the report folder
    std::vector<std::string> files;
    bool fit = false;         // --fit: limits fitted to the cruise before the report
    SectionChoice section{};  // --variable and --casts of --report section
};

// Options: --help (-h) anywhere before "--" wins; --version; --report KIND;
// --export csv|netcdf|odv; --output FILE (with --report or --export only,
// FILE not empty); --fit (with --report); --variable NAME and --casts
// FIRST-LAST (with --report section; 1 <= FIRST <= LAST <= 200); "--" ends the
// options. Anything else starting with '-' (but "-" alone) is unknown.
// Nothing, with the reason in `error`, for a usage error.
[[nodiscard]] std::optional<CommandLine> parse_command_line(int argc, char* argv[], std::string& error);

// `quenvar9 --report KIND` or `--export FORMAT`: loads the files as the
// viewer does (load_files), fits the limits with --fit, writes the one output
// through the output writer and returns the exit status: 0 when it was
// written and every load completed, 1 when a load stopped, left a cast
// without usable scans or the output was not written (a section of casts or
// a variable the cruise does not have included). An output the writer
// refuses (not a regular file, hard-linked, the same file as any input: a
// file named, a cast file, a coastline) is left alone. After a load that
// stopped an existing output is kept, never replaced by a partial one; where
// there is none, what was read is written. Needs no display.
int run_headless(const CommandLine& command, char* argv0);

// The text of --help.
std::string report_usage();

// The text of --version.
std::string version_text();
