#include "testing/fake_windows.h"

#include "ui/limits.h"
#include "ui/listing.h"

FakeViewer::FakeViewer(ViewerPaths paths)
    : viewer{d, quenvar, Stations, lister, info, filemsg, limitbox, printer, alerts, std::move(paths), {}} {
    lister.scroll.on_change = [this] { lister::VScroll1_Change(viewer); };
    limitbox.min_bar.on_change = [this] { limitbox::minscrol_Change(viewer); };
    limitbox.max_bar.on_change = [this] { limitbox::maxscrol_Change(viewer); };
    setup(viewer);
}
