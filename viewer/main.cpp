#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "ui/qt/application.h"
#include "ui/qt/report_command.h"

int main(int argc, char* argv[]) {
    // The options are read before any window or platform exists.
    std::string error;
    const std::optional<CommandLine> command = parse_command_line(argc, argv, error);
    if (!command) {
        std::fprintf(stderr, "quenvar9: %s\n\n%s", error.c_str(), report_usage().c_str());
        return 2;
    }
    switch (command->mode) {
        case CommandLine::Mode::help:
            std::fputs(report_usage().c_str(), stdout);
            return 0;
        case CommandLine::Mode::version:
            std::fputs(version_text().c_str(), stdout);
            return 0;
        case CommandLine::Mode::report:
        case CommandLine::Mode::export_data:
            return run_headless(*command, argv[0]);
        case CommandLine::Mode::viewer:
            break;
    }

    // Qt reads no options of its own: every argument was ours.
    int qt_argc = 1;
    char* qt_argv[] = {argv[0], nullptr};
    QApplication app(qt_argc, qt_argv);
    QApplication::setApplicationName("quenvar9");
    QuenvarApp viewer;
    QStringList files;
    for (const std::string& f : command->files) files.push_back(QString::fromStdString(f));
    viewer.start(files);
    return QApplication::exec();
}
