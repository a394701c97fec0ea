#include "ui/qt/report_command.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <iostream>
#include <optional>
#include <sys/stat.h>
#include <vector>

#include "readers/text_source.h"
#include "ui/csv_export.h"
#include "ui/reports.h"
#include "ui/load_cruise.h"
#include "ui/open_file.h"
#include "ui/qt/pdf_printer.h"
#include "ui/profile_plot.h"
#include "ui/qt/headless_windows.h"
#include "ui/qt/application.h"

std::string report_usage() {
    return "Usage: quenvar9 [FILE...]\n"
           "       quenvar9 --report stations|track|cast|casts [--output FILE.pdf] FILE...\n"
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
           "                  The file goes into the folder of the last cruise loaded.\n"
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

std::optional<CommandLine> parse_command_line(int argc, char* argv[], std::string& error) {
    CommandLine c;
    for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i)
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") {
            c.mode = CommandLine::Mode::help;
            return c;
        }
    bool have_output = false, options = true, version = false;
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
        if (a != "--report" && a != "--export" && a != "--output") {
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
            error = "unknown report '" + value + "' (stations, track, cast or casts)";
            return std::nullopt;
        }
        c.mode = CommandLine::Mode::report;
        c.report = *kind;
    }
    if (have_output && c.mode != CommandLine::Mode::report && c.mode != CommandLine::Mode::export_csv) {
        error = "--output goes with --report or --export";
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
        stopped |= !r.complete();  // a stopped load, or a cast without scans
        for (const LoadIssue& issue : r.issues) inputs.push_back(issue.file);
    }
    for (int c = 0; c <= kMaxCast; ++c) inputs.push_back(d.castfile[c]);
    inputs.push_back(v.paths.coast_screen);
    inputs.push_back(v.paths.coast_print);

    const bool csv = command.mode == CommandLine::Mode::export_csv;
    const std::string output = !command.output.empty() ? command.output : csv ? csv_path(v) : report_path(v, command.report);
    if (const std::string why = output_problem(output, inputs); !why.empty()) {
        std::cerr << "quenvar9: " << output << ": " << why << "; it was not replaced\n";
        return 1;
    }
    const bool written = csv ? export_csv(v, output) : print_report(v, command.report, output);
    return written && !stopped ? 0 : 1;
}
