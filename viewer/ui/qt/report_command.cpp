#include "ui/qt/report_command.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <iostream>
#include <optional>
#include <vector>

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
           "\n"
           "Without --report, starts the viewer and loads each FILE in order: a file named\n"
           "header.dat as Bongo-SB data, any other file as an SB911 cruise header (*.hdr).\n"
           "\n"
           "--report KIND     load the FILEs the same way, write one report as PDF and exit;\n"
           "                  no display is needed:\n"
           "                    stations  station positions (stations.pdf)\n"
           "                    track     station positions with the ship's track (track.pdf)\n"
           "                    cast      cast report of the current cast, the first cast of\n"
           "                              the last cruise loaded (cast-NNN.pdf)\n"
           "                    casts     cast report of every loaded cast (casts.pdf)\n"
           "                  The file goes into the folder of the last FILE.\n"
           "--output FILE     write the report to FILE instead\n"
           "--help            show this text\n"
           "\n"
           "Load problems are reported on standard error. Exit status: 0 when the report\n"
           "was written and every load completed, 1 when a load stopped or the PDF could\n"
           "not be written, 2 for a usage error.\n";
}

namespace {

struct ReportArgs {
    Report kind = Report::casts;
    std::string output;
    std::vector<std::string> files;
};

std::optional<ReportArgs> parse(int argc, char* argv[], std::string& error) {
    ReportArgs args;
    bool have_kind = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--report" || a == "--output") {
            if (i + 1 >= argc) {
                error = a + " needs a value";
                return std::nullopt;
            }
            const std::string value = argv[++i];
            if (a == "--output") {
                args.output = value;
                continue;
            }
            const auto kind = report_named(value);
            if (!kind) {
                error = "unknown report '" + value + "' (stations, track, cast or casts)";
                return std::nullopt;
            }
            args.kind = *kind;
            have_kind = true;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            error = "unknown option '" + a + "'";
            return std::nullopt;
        } else {
            args.files.push_back(a);
        }
    }
    if (!have_kind) {
        error = "--report needs a kind";
        return std::nullopt;
    }
    return args;
}

}  // namespace

int report_command(int argc, char* argv[]) {
    std::string error;
    const std::optional<ReportArgs> args = parse(argc, argv, error);
    if (!args) {
        std::cerr << "quenvar9: " << error << "\n\n" << report_usage();
        return 2;
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");  // no display needed
    int qt_argc = 1;
    QGuiApplication app(qt_argc, argv);

    CruiseData d;
    HeadlessProfileWindow quenvar;
    HeadlessMapWindow stations;
    HeadlessListerWindow lister;
    HeadlessInfoWindow info;
    HeadlessFileMessage filemsg;
    HeadlessLimitDialog limitbox;
    PdfPrinter printer;
    StderrAlerts alerts;
    Viewer v{d, quenvar, stations, lister, info, filemsg, limitbox, printer, alerts, default_paths(), {}};

    setup(v);
    quenvar::Form_Resize(v);
    bool stopped = false;
    for (const std::string& f : args->files)
        stopped |= load_file(v, QFileInfo(QString::fromStdString(f)).absoluteFilePath().toStdString()).stopped;

    const bool written = print_report(v, args->kind, args->output);
    return written && !stopped ? 0 : 1;
}
