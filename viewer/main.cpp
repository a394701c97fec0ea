#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "ui/qt/application.h"
#include "ui/qt/report_command.h"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(report_usage().c_str(), stdout);
            return 0;
        }
        if (arg == "--report") return report_command(argc, argv);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("quenvar9");
    QuenvarApp viewer;
    QStringList files = QApplication::arguments();
    files.removeFirst();
    viewer.start(files);
    return QApplication::exec();
}
