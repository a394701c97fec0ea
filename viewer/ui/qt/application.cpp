#include "ui/qt/application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/data_export.h"
#include "ui/fit_limits.h"
#include "ui/limits.h"
#include "ui/listing.h"
#include "ui/load_cruise.h"
#include "ui/open_file.h"
#include "ui/profile_plot.h"
#include "ui/reports.h"
#include "ui/section_window.h"
#include "ui/station_map.h"
#include "ui/ts_window.h"

ViewerPaths default_paths() {
    const QString share = QDir(QCoreApplication::applicationDirPath() + "/../share/quenvar9").absolutePath();
    // The diagnostic file goes to the user's own runtime folder where there is
    // one, else to the temporary folder (where it is opened without following links).
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString scratch = !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    return {(share + "/brscale2.bln").toStdString(), (share + "/brscale.bln").toStdString(),
            QDir(scratch).filePath("test.dat").toStdString(), (share + "/world.bln").toStdString()};
}

QuenvarApp::WindowFont::WindowFont() { QApplication::setFont(ImageSurface::default_font()); }

QuenvarApp::QuenvarApp(ViewerPaths paths) : alerts_(&main_), cmdgetdata_(&main_) {
    info_ = new InfoPanel(&main_);
    lister_ = new ListerPanel(&main_);
    stations_ = new StationsPanel(&main_);
    limitbox_ = new LimitBox(&main_);
    // Right of the map and the information window, and below everything.
    ts_ = new PlotPanel(&main_, "ts", "T-S Diagram", QRect(9630, 660, 5400, 4920));
    section_ = new PlotPanel(&main_, "section", "Section", QRect(15, 7560, 9495, 3780));
    sectionbox_ = new SectionBox(&main_);
    lister_->view()->fit_surface();
    viewer_.reset(new Viewer{
        d_, main_, *stations_, *lister_, *info_, main_, *limitbox_, printer_, alerts_, std::move(paths), {}});
    viewer_->ts = ts_;
    viewer_->section = section_;
    viewer_->sectionbox = sectionbox_;
    wire();
}

void QuenvarApp::wire() {
    Viewer& v = *viewer_;
    main_.on_action("mk5", handler([&v, this] { quenvar::mk5_Click(v, cmdgetdata_); }));
    main_.on_action("bongosb", handler([&v, this] { quenvar::bongosb_Click(v, cmdgetdata_); }));
    main_.on_action("cnvcasts", handler([&v, this] { quenvar::cnv_Click(v, cmdgetdata_); }));
    const auto exporter = [&v, this](DataFormat format, const char* entry) {
        return handler([&v, format, entry] {
            export_data(v, format, {{}, {}, {std::string("quenvar9 ") + QUENVAR9_VERSION, entry}});
        });
    };
    main_.on_action("csvexport", exporter(DataFormat::csv, "Data menu, Export CSV"));
    main_.on_action("netcdfexport", exporter(DataFormat::netcdf, "Data menu, Export NetCDF"));
    main_.on_action("odvexport", exporter(DataFormat::odv, "Data menu, Export ODV spreadsheet"));
    main_.on_action("depth", handler([&v] { quenvar::depth_Click(v); }));
    main_.on_action("temp", handler([&v] { quenvar::temp_Click(v); }));
    main_.on_action("salt", handler([&v] { quenvar::salt_Click(v); }));
    main_.on_action("fluor", handler([&v] { quenvar::fluor_Click(v); }));
    main_.on_action("sigma", handler([&v] { quenvar::sigma_Click(v); }));
    main_.on_action("staplt", handler([&v] { staprint(v, false); }));
    main_.on_action("track", handler([&v] { staprint(v, true); }));
    main_.on_action("allcasts", handler([&v] { print_casts(v, 1); }));
    main_.on_action("onecast", handler([&v] { print_casts(v, 0); }));
    main_.on_action("fitcruise", handler([&v] { quenvar::fitcruise_Click(v); }));
    main_.on_action("fitcast", handler([&v] { quenvar::fitcast_Click(v); }));
    main_.on_action("tsplot", handler([&v] { (void)print_report(v, Report::ts); }));
    main_.on_action("sectionplot", handler([&v] { (void)print_report(v, Report::section); }));
    main_.on_action("section", handler([&v] { quenvar::section_Click(v); }));
    ts_->connect_events(handler([&v] { TS::Form_Resize(v); }), handler([&v](int button, int shift, double x, double y) {
                            TS::Form_MouseDown(v, button, shift, x, y);
                        }));
    section_->connect_events(
        handler([&v] { Section::Form_Resize(v); }),
        handler([&v](int button, int shift, double x, double y) { Section::Form_MouseDown(v, button, shift, x, y); }));
    sectionbox_->connect_events(handler([&v] { sectionbox::ok_Click(v); }));
    main_.on_action("Quit", [this] { quit(); });
    main_.on_close = [this] { quit(); };
    main_.on_key_down = handler([&v](int code, int shift) { quenvar::Form_KeyDown(v, code, shift); });
    main_.view()->on_resize = handler([&v] { quenvar::Form_Resize(v); });
    // A coastline that cannot be drawn was told at the load; a resize meets the same fault.
    stations_->connect_events(
        handler([&v] { (void)Stations::Form_Resize(v); }),
        handler([&v](int button, int shift, double x, double y) { Stations::Form_MouseDown(v, button, shift, x, y); }));
    lister_->connect_events(handler([&v] { lister::VScroll1_Change(v); }));
    // A resized listing has a blank image: the heading, then the rows from
    // where the scroll box stands.
    lister_->view()->on_resize = handler([&v] {
        list_heading(v);
        listcast(v, v.lister.VScroll1().Value());
    });
    // A message box waits for the user: show what the routines drew first.
    alerts_.before_show = [this] { repaint_all(); };
    limitbox_->connect_events(handler([&v] { limitbox::minscrol_Change(v); }),
                              handler([&v] { limitbox::maxscrol_Change(v); }),
                              handler([&v] { limitbox::limitok_Click(v); }));
}

void QuenvarApp::quit() {
    // QApplication::quit() would first ask each window to close, in no fixed
    // order, and give up if one declined; exit() ends the loop unconditionally.
    for (QWidget* w : {static_cast<QWidget*>(sectionbox_), static_cast<QWidget*>(section_), static_cast<QWidget*>(ts_),
                       static_cast<QWidget*>(limitbox_), static_cast<QWidget*>(stations_),
                       static_cast<QWidget*>(lister_), static_cast<QWidget*>(info_), static_cast<QWidget*>(&main_)})
        w->hide();
    QCoreApplication::exit(0);
}

void QuenvarApp::repaint_all() {
    for (QWidget* w : {static_cast<QWidget*>(&main_), static_cast<QWidget*>(info_), static_cast<QWidget*>(lister_),
                       static_cast<QWidget*>(stations_), static_cast<QWidget*>(limitbox_), static_cast<QWidget*>(ts_),
                       static_cast<QWidget*>(section_)})
        if (w->isVisible()) w->repaint();
    // The drawings are opaque children: repainting their window skips them.
    for (SurfaceWidget* view : {main_.view(), lister_->view(), stations_->view(), ts_->view(), section_->view()})
        if (view->isVisible()) view->repaint();
}

void QuenvarApp::refresh() {
    main_.view()->update();
    stations_->view()->update();
    lister_->view()->update();
    ts_->view()->update();
    section_->view()->update();
}

void QuenvarApp::start(const QStringList& files) {
    setup(*viewer_);  // Form_Load
    info_->show();
    lister_->show();
    main_.show();  // its first resize draws the frame and cast 0
    main_.activateWindow();
    std::vector<std::string> paths;
    for (const QString& f : files) paths.push_back(QFileInfo(f).absoluteFilePath().toStdString());
    (void)load_files(*viewer_, paths);  // each load tells the user of its problems
    refresh();
}
