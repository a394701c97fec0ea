#pragma once

#include <QStringList>
#include <memory>
#include <string>

#include "store/cruise_data.h"
#include "ui/qt/info_panel.h"
#include "ui/qt/limit_box.h"
#include "ui/qt/lister_panel.h"
#include "ui/qt/main_window.h"
#include "ui/qt/pdf_printer.h"
#include "ui/qt/plot_panel.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/section_box.h"
#include "ui/qt/stations_panel.h"
#include "ui/viewer.h"

// Where the viewer's data files are: the coastlines in share/quenvar9 beside
// the program's bin folder (build tree and installed tree alike), the
// diagnostic file in the system's temporary folder.
ViewerPaths default_paths();

// The viewer: the store, the five windows and the event wiring. Every toolkit
// event becomes one call on the routines, run to completion.
class QuenvarApp {
public:
    explicit QuenvarApp(ViewerPaths paths = default_paths());
    QuenvarApp(const QuenvarApp&) = delete;
    QuenvarApp& operator=(const QuenvarApp&) = delete;

    // Start-up: setup, the companion windows, the main window's first drawing,
    // then the files named on the command line, loaded in order (load_files).
    void start(const QStringList& files = {});

    CruiseData& data() { return d_; }
    Viewer& viewer() { return *viewer_; }
    MainWindow& main_window() { return main_; }
    StationsPanel& stations() { return *stations_; }
    ListerPanel& lister() { return *lister_; }
    InfoPanel& info() { return *info_; }
    LimitBox& limitbox() { return *limitbox_; }
    PlotPanel& ts() { return *ts_; }
    PlotPanel& section() { return *section_; }
    SectionBox& sectionbox() { return *sectionbox_; }

    // Quit: every window closes and the event loop ends at once; no window is
    // asked, so none can hold the program open.
    void quit();

private:
    void wire();
    // Shows what the routines drew, when the event loop next paints.
    void refresh();
    // Paints every visible window now, before the loop runs again.
    void repaint_all();
    template <typename F>
    auto handler(F f) {
        return [this, f](auto&&... args) {
            f(args...);
            refresh();
        };
    }

    // The windows' font, set for the whole application before any window is
    // made, so that each lays out in the font it shows.
    struct WindowFont {
        WindowFont();
    } font_;
    CruiseData d_;
    MainWindow main_;
    InfoPanel* info_;
    ListerPanel* lister_;
    StationsPanel* stations_;
    LimitBox* limitbox_;
    PlotPanel* ts_;
    PlotPanel* section_;
    SectionBox* sectionbox_;
    PdfPrinter printer_;
    QtAlerts alerts_;
    QtOpenFileDialog cmdgetdata_;
    std::unique_ptr<Viewer> viewer_;
};
