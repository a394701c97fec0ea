#include "ui/qt/report_command.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <optional>
#include <regex>
#include <sys/stat.h>
#include <vector>

#include "readers/text_source.h"
#include "ui/csv_export.h"
#include "ui/fit_limits.h"
#include "ui/reports.h"
#include "ui/load_cruise.h"
#include "ui/open_file.h"
#include "ui/qt/pdf_printer.h"
#include "ui/profile_plot.h"
#include "ui/qt/headless_windows.h"
#include "ui/qt/application.h"
#include "ui/section_window.h"

std::string report_usage() {
    return "Usage: quenvar9 [FILE...]\n"
           "       quenvar9 --report stations|track|cast|casts|ts [--fit] [--output FILE.pdf] FILE...\n"
           "       quenvar9 --report section [--variable NAME] [--casts FIRST-LAST] [--fit]\n"
           "                [--output FILE.pdf] FILE...\n"
           "       quenvar9 --export csv [--output FILE.csv] FILE...\n"
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
           "--export csv      load the FILEs the same way and write every stored scan of\n"
           "                  every cast as CSV (casts.csv in the same folder); no display\n"
           "--output FILE     write the report or the CSV to FILE instead; a FILE that is\n"
           "                  not a regular file, or is one of the files loaded, is refused\n"
           "--version         show the version\n"
           "--help            show this text\n"
           "--                end of the options: every later argument is a FILE\n"
           "\n"
           "Load problems are reported on standard error. Exit status: 0 when the output\n"
           "was written and every load completed, 1 when a load stopped or the output was\n"
           "not written, 2 for a usage error.\n";
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
        if (c.mode == CommandLine::Mode::report || c.mode == CommandLine::Mode::export_csv) {
            error = "one --report or --export at a time";
            return std::nullopt;
        }
        if (a == "--export") {
            if (value != "csv") {
                error = "unknown export '" + value + "' (csv)";
                return std::nullopt;
            }
            c.mode = CommandLine::Mode::export_csv;
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
    if (have_output && c.mode != CommandLine::Mode::report && c.mode != CommandLine::Mode::export_csv) {
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

// Why `output` must not be written: it is not a regular file, or it is one of
// `inputs`; empty when it may be.
std::string output_problem(const std::string& output, const std::vector<std::string>& inputs) {
    struct stat out {};
    if (::stat(output.c_str(), &out) != 0) return {};  // a new file
    if (!S_ISREG(out.st_mode)) return std::string("is not a regular file (") + file_kind(out.st_mode) + ")";
    for (const std::string& in : inputs) {
        struct stat st {};
        if (!in.empty() && ::stat(in.c_str(), &st) == 0 && st.st_dev == out.st_dev && st.st_ino == out.st_ino)
            return "is " + (in == output ? std::string("an input of the load") : "the same file as the input " + in);
    }
    return {};
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
    bool stopped = false;
    std::vector<std::string> inputs = files;
    for (const LoadResult& r : load_files(v, files)) {
        stopped |= r.stopped;
        for (const LoadIssue& issue : r.issues) inputs.push_back(issue.file);
    }
    for (int c = 0; c <= kMaxCast; ++c) inputs.push_back(d.castfile[c]);
    inputs.push_back(v.paths.coast_screen);
    inputs.push_back(v.paths.coast_print);

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

    const bool csv = command.mode == CommandLine::Mode::export_csv;
    const std::string output = !command.output.empty() ? command.output : csv ? csv_path(v) : report_path(v, command.report);
    if (const std::string why = output_problem(output, inputs); !why.empty()) {
        std::cerr << "quenvar9: " << output << ": " << why << "; it was not replaced\n";
        return 1;
    }
    const bool written = csv ? export_csv(v, output) : print_report(v, command.report, output);
    return written && !stopped ? 0 : 1;
}
