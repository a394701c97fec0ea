#include "ui/qt/report_command.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <optional>
#include <regex>
#include <vector>

#include "files/output_file.h"
#include "format/utf8_text.h"
#include "ui/data_export.h"
#include "ui/fit_limits.h"
#include "ui/load_cruise.h"
#include "ui/open_file.h"
#include "ui/profile_plot.h"
#include "ui/qt/application.h"
#include "ui/qt/headless_windows.h"
#include "ui/qt/pdf_printer.h"
#include "ui/reports.h"
#include "ui/section_window.h"

std::string report_usage() {
    return "Usage: quenvar9 [FILE...]\n"
           "       quenvar9 --report stations|track|cast|casts|ts [--fit] [--output FILE.pdf] FILE...\n"
           "       quenvar9 --report section [--variable NAME] [--casts FIRST-LAST] [--fit]\n"
           "                [--output FILE.pdf] FILE...\n"
           "       quenvar9 --export csv|netcdf|odv [--output FILE] FILE...\n"
           "\n"
           "Without --report or --export, starts the viewer and loads the FILEs in order:\n"
           "a file named header.dat as Bongo-SB data, each run of consecutive *.cnv files\n"
           "as one cruise of CNV casts, any other file as an SB911 cruise header (*.hdr).\n"
           "\n"
           "--report KIND     load the FILEs the same way, write one report as PDF and exit;\n"
           "                  no display is needed:\n"
           "                    stations  station positions (stations.pdf)\n"
           "                    track     station positions with the ship's track (track.pdf)\n"
           "                    cast      cast report of the current cast, the first cast of\n"
           "                              the last cruise loaded (cast-NNN.pdf)\n"
           "                    casts     cast report of every loaded cast (casts.pdf)\n"
           "                    ts        T-S diagram of the current cast (ts.pdf)\n"
           "                    section   one variable along the track against depth (section.pdf)\n"
           "                  The file goes into the folder of the last cruise loaded.\n"
           "--fit             fit every axis to the loaded casts before the report\n"
           "--variable NAME   the section's variable: temperature (the default), salinity,\n"
           "                  fluorescence, sigma-t or transmission\n"
           "--casts FIRST-LAST  the section's casts, in load order (default: all)\n"
           "--export FORMAT   load the FILEs the same way and write every stored scan of\n"
           "                  every cast, into the same folder; no display is needed:\n"
           "                    csv     comma-separated values (casts.csv)\n"
           "                    netcdf  NetCDF-4, CF and NCEI profile layout (casts.nc)\n"
           "                    odv     Ocean Data View spreadsheet (casts_odv.txt)\n"
           "--output FILE     write the report or the export to FILE instead; a FILE that\n"
           "                  is not a regular file, has hard links, or is one of the files\n"
           "                  loaded, is refused\n"
           "--version         show the version\n"
           "--help            show this text\n"
           "--                end of the options: every later argument is a FILE\n"
           "\n"
           "Load problems are reported on standard error. When a load stopped, an existing\n"
           "output is kept as it was. Exit status: 0 when the output was written and every\n"
           "load completed, 1 when a load stopped, left a cast without usable scans or the\n"
           "output was not written, 2 for a usage error.\n";
}

std::string version_text() { return std::string("quenvar9 ") + QUENVAR9_VERSION + "\n"; }

namespace {

// --variable NAME or --casts FIRST-LAST into `choice`; false with the reason in `error`.
bool section_option(const std::string& option, const std::string& value, SectionChoice& choice, std::string& error) {
    if (option == "--variable") {
        const std::pair<const char*, int> names[] = {{"temperature", kTemp},
                                                     {"salinity", kSalt},
                                                     {"fluorescence", kFluor},
                                                     {"sigma-t", kSigma},
                                                     {"transmission", kTrans}};
        for (const auto& [name, var] : names)
            if (value == name) return choice.var = var, true;
        error = "unknown variable '" + value + "' (temperature, salinity, fluorescence, sigma-t or transmission)";
        return false;
    }
    const std::regex range("([0-9]{1,3})-([0-9]{1,3})");
    std::smatch m;
    if (std::regex_match(value, m, range)) {
        const int first = std::stoi(m[1]), last = std::stoi(m[2]);
        if (first >= 1 && first <= last && last <= kMaxCast) return choice.first = first, choice.last = last, true;
    }
    error = "--casts needs FIRST-LAST, 1 <= FIRST <= LAST <= " + std::to_string(kMaxCast) + ", not '" + value + "'";
    return false;
}

}  // namespace

std::optional<CommandLine> parse_command_line(int argc, char* argv[], std::string& error) {
    CommandLine c;
    for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i)
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            c.mode = CommandLine::Mode::help;
            return c;
        }
    bool have_output = false, options = true, version = false, section_options = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (!options || a == "-" || a.empty() || a[0] != '-') {
            c.files.push_back(a);
            continue;
        }
        if (a == "--") {
            options = false;
            continue;
        }
        if (a == "--version") {
            version = true;
            continue;
        }
        if (a == "--fit") {
            c.fit = true;
            continue;
        }
        if (a != "--report" && a != "--export" && a != "--output" && a != "--variable" && a != "--casts") {
            error = "unknown option '" + a + "'";
            return std::nullopt;
        }
        if (i + 1 >= argc) {
            error = a + " needs a value";
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (a == "--output") {
            if (value.empty()) {
                error = "--output needs a file name";
                return std::nullopt;
            }
            if (have_output) {
                error = "--output is given twice";
                return std::nullopt;
            }
            have_output = true;
            c.output = value;
            continue;
        }
        if (a == "--variable" || a == "--casts") {
            if (!section_option(a, value, c.section, error)) return std::nullopt;
            section_options = true;
            continue;
        }
        if (c.mode == CommandLine::Mode::report || c.mode == CommandLine::Mode::export_data) {
            error = "one --report or --export at a time";
            return std::nullopt;
        }
        if (a == "--export") {
            const auto format = data_format_named(value);
            if (!format) {
                error = "unknown export '" + value + "' (csv, netcdf or odv)";
                return std::nullopt;
            }
            c.mode = CommandLine::Mode::export_data;
            c.format = *format;
            continue;
        }
        const auto kind = report_named(value);
        if (!kind) {
            error = "unknown report '" + value + "' (stations, track, cast, casts, ts or section)";
            return std::nullopt;
        }
        c.mode = CommandLine::Mode::report;
        c.report = *kind;
    }
    if (have_output && c.mode != CommandLine::Mode::report && c.mode != CommandLine::Mode::export_data) {
        error = "--output goes with --report or --export";
        return std::nullopt;
    }
    if (c.fit && c.mode != CommandLine::Mode::report) {
        error = "--fit goes with --report";
        return std::nullopt;
    }
    if (section_options && !(c.mode == CommandLine::Mode::report && c.report == Report::section)) {
        error = "--variable and --casts go with --report section";
        return std::nullopt;
    }
    if (version) c.mode = CommandLine::Mode::version;
    return c;
}

namespace {

// The command as the history of an export records it.
std::string command_text(const CommandLine& command) {
    std::string text = "quenvar9 --export ";
    text += command.format == DataFormat::csv ? "csv" : command.format == DataFormat::netcdf ? "netcdf" : "odv";
    if (!command.output.empty()) text += " --output " + command.output;
    for (const std::string& f : command.files) text += " " + f;
    return text;
}

}  // namespace

int run_headless(const CommandLine& command, char* argv0) {
    qputenv("QT_QPA_PLATFORM", "offscreen");  // no display needed
    int qt_argc = 1;
    char* qt_argv[] = {argv0, nullptr};
    QGuiApplication app(qt_argc, qt_argv);

    CruiseData d;
    StderrAlerts alerts;
    HeadlessViewer headless(d, alerts, default_paths());
    Viewer& v = headless.viewer;

    setup(v);
    quenvar::Form_Resize(v);
    std::vector<std::string> files;
    for (const std::string& f : command.files)
        files.push_back(QFileInfo(QString::fromStdString(f)).absoluteFilePath().toStdString());
    bool stopped = false, complete = true;
    OutputRules rules{files};
    for (const LoadResult& r : load_files(v, files)) {
        stopped |= r.stopped;
        complete &= r.complete();  // not stopped, and no cast without scans
        for (const LoadIssue& issue : r.issues) rules.inputs.push_back(issue.file);
    }
    for (const std::string& in : viewer_inputs(v)) rules.inputs.push_back(in);

    if (command.fit) quenvar::fitcruise_Click(v);
    if (command.mode == CommandLine::Mode::report && command.report == Report::section) {
        const std::vector<int> vars = section_variables(d);
        if (std::find(vars.begin(), vars.end(), command.section.var) == vars.end()) {
            std::cerr << "quenvar9: --variable transmission: the cruise has no transmission\n";
            return 1;
        }
        if (command.section.last > d.ncast) {
            std::cerr << "quenvar9: --casts " << command.section.first << "-" << command.section.last
                      << ": the cruise has " << int(d.ncast) << " casts\n";
            return 1;
        }
        v.section_choice = command.section;
    }

    const bool data = command.mode == CommandLine::Mode::export_data;
    const std::string output = !command.output.empty() ? command.output
                               : data                  ? export_path(v, command.format)
                                                       : report_path(v, command.report);
    if (const std::string why = output_problem(output, rules); !why.empty()) {
        std::cerr << "quenvar9: " << shown_name(output) << ": " << why << "; it was not replaced\n";
        return 1;
    }
    // What a stopped load read never replaces an earlier, perhaps complete, output.
    rules.replace = !stopped;
    if (stopped && !output_problem(output, rules).empty()) {
        std::cerr << "quenvar9: " << shown_name(output) << ": the load stopped, so the existing file was kept\n";
        return 1;
    }
    headless.printer.rules(rules);
    const ExportInfo info{std::string("quenvar9 ") + QUENVAR9_VERSION, command_text(command)};
    const bool written =
        data ? export_data(v, command.format, {output, rules, info}) : print_report(v, command.report, output);
    return written && complete ? 0 : 1;
}
