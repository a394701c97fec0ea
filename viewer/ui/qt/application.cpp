#include "ui/qt/application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/limits.h"
#include "ui/listing.h"
#include "ui/load_cruise.h"
#include "ui/open_file.h"
#include "ui/profile_plot.h"
#include "ui/reports.h"
#include "ui/station_map.h"

ViewerPaths default_paths() {
    const QString share = QDir(QCoreApplication::applicationDirPath() + "/../share/quenvar9").absolutePath();
    return {(share + "/brscale2.bln").toStdString(), (share + "/brscale.bln").toStdString(),
            QDir(QDir::tempPath()).filePath("test.dat").toStdString()};
}

QuenvarApp::QuenvarApp(ViewerPaths paths) : alerts_(&main_), cmdgetdata_(&main_) {
    QApplication::setFont(ImageSurface::default_font());  // every window, before the companions lay out their captions
    info_ = new InfoPanel(&main_);
    lister_ = new ListerPanel(&main_);
    stations_ = new StationsPanel(&main_);
    limitbox_ = new LimitBox(&main_);
    lister_->view()->fit_surface();
    viewer_.reset(new Viewer{d_, main_, *stations_, *lister_, *info_, main_, *limitbox_, printer_, alerts_,
                             std::move(paths), {}});
    wire();
}

void QuenvarApp::wire() {
    Viewer& v = *viewer_;
    main_.on_action("mk5", handler([&v, this] { quenvar::mk5_Click(v, cmdgetdata_); }));
    main_.on_action("bongosb", handler([&v, this] { quenvar::bongosb_Click(v, cmdgetdata_); }));
    main_.on_action("depth", handler([&v] { quenvar::depth_Click(v); }));
    main_.on_action("temp", handler([&v] { quenvar::temp_Click(v); }));
    main_.on_action("salt", handler([&v] { quenvar::salt_Click(v); }));
    main_.on_action("fluor", handler([&v] { quenvar::fluor_Click(v); }));
    main_.on_action("sigma", handler([&v] { quenvar::sigma_Click(v); }));
    main_.on_action("staplt", handler([&v] { staprint(v, false); }));
    main_.on_action("track", handler([&v] { staprint(v, true); }));
    main_.on_action("allcasts", handler([&v] { print_casts(v, 1); }));
    main_.on_action("onecast", handler([&v] { print_casts(v, 0); }));
    main_.on_action("Quit", [] { QApplication::quit(); });
    main_.on_close = [] { QApplication::quit(); };
    main_.on_key_down = handler([&v](int code, int shift) { quenvar::Form_KeyDown(v, code, shift); });
    main_.view()->on_resize = handler([&v] { quenvar::Form_Resize(v); });
    // A coastline that cannot be drawn was told at the load; a resize meets the same fault.
    stations_->connect_events(handler([&v] { (void)Stations::Form_Resize(v); }),
                              handler([&v](int button, int shift, double x, double y) {
                                  Stations::Form_MouseDown(v, button, shift, x, y);
                              }));
    lister_->connect_events(handler([&v] { lister::VScroll1_Change(v); }));
    limitbox_->connect_events(handler([&v] { limitbox::minscrol_Change(v); }),
                              handler([&v] { limitbox::maxscrol_Change(v); }),
                              handler([&v] { limitbox::limitok_Click(v); }));
}

void QuenvarApp::refresh() {
    main_.view()->update();
    stations_->view()->update();
    lister_->view()->update();
}

void QuenvarApp::start(const QStringList& files) {
    setup(*viewer_);  // Form_Load
    info_->show();
    lister_->show();
    main_.show();     // its first resize draws the frame and cast 0
    main_.activateWindow();
    for (const QString& f : files) {
        (void)load_file(*viewer_, QFileInfo(f).absoluteFilePath().toStdString());  // told by the load
        refresh();
    }
}
