#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "testing/qt_app_environment.h"
#include "plot/map_frame.h"
#include "ui/profile_plot.h"
#include "ui/qt/application.h"

namespace {

// The windows need a QApplication; one serves every test and is gone before exit.
const auto* const kWidgetEnvironment = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment<QApplication>);

const std::string kSb911 = std::string(QUENVAR_SAMPLES_DIR) + "/sb911/EN617.hdr";

ViewerPaths test_paths() {
    const std::string data = QUENVAR_DATA_DIR;
    return {data + "/brscale2.bln", data + "/brscale.bln", ::testing::TempDir() + "quenvar-test.dat"};
}

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

}  // namespace

TEST(QtWindows, MenuBarCaptionsAndNames) {
    QuenvarApp app(test_paths());
    MainWindow& w = app.main_window();
    struct Row {
        const char* name;
        const char* caption;
    };
    const Row menus[] = {{"getdata", "&Data"}, {"limits", "&Limits"}, {"report", "&Report"}};
    for (const Row& r : menus) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(w.menu(r.name)->title().toStdString(), r.caption);
    }
    const Row entries[] = {
        {"mk5", "SB911 data"},       {"bongosb", "Bongo-SB data"},
        {"depth", "&Depth"},         {"temp", "&Temperature"},
        {"salt", "&Salinity"},       {"fluor", "&Fluoresence"},
        {"sigma", "Si&gma-t"},       {"staplt", "&Station PLot"},
        {"track", "S&tation PLot (w/ trackline)"}, {"allcasts", "&CTD Casts (All)"},
        {"onecast", "CT&D Cast (one)"}, {"Quit", "&Quit"},
    };
    for (const Row& r : entries) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(w.action(r.name)->text().toStdString(), r.caption);
    }
    // The top level, in order, with Quit acting by itself.
    QStringList top;
    for (QAction* a : w.menuBar()->actions()) top << a->text();
    EXPECT_EQ(top, QStringList({"&Data", "&Limits", "&Report", "&Quit"}));
    EXPECT_EQ(w.action("Quit")->menu(), nullptr);
}

TEST(QtWindows, StartUpWindows) {
    QuenvarApp app(test_paths());
    app.start();
    settle();
    EXPECT_EQ(app.main_window().windowTitle(), "");
    EXPECT_EQ(app.info().windowTitle(), "Station Information");
    EXPECT_EQ(app.lister().windowTitle(), "Data Listing");
    EXPECT_EQ(app.stations().windowTitle(), "Station Locations");
    EXPECT_TRUE(app.info().isVisible());
    EXPECT_TRUE(app.lister().isVisible());
    EXPECT_FALSE(app.stations().isVisible());
    EXPECT_FALSE(app.limitbox().isVisible());
    EXPECT_FALSE(app.main_window().filemsg()->isVisible());
    EXPECT_FALSE(app.data().curcast.is_set());
    // The frame is drawn on the first resize: the plot is no longer blank.
    const QImage& plot = app.main_window().view()->surface().image();
    EXPECT_NE(plot.pixelColor(plot.width() / 2, plot.height() / 2), QColor(192, 255, 255));
}

TEST(QtWindows, ArrowKeysStepAndRedraw) {
    QuenvarApp app(test_paths());
    app.start({QString::fromStdString(kSb911)});
    settle();
    CruiseData& d = app.data();
    ASSERT_GT(d.ncast, 2.0);
    ASSERT_EQ(d.curcast, 1.0);
    const QImage before = app.main_window().view()->surface().image().copy();

    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier);
    QApplication::sendEvent(&app.main_window(), &right);
    EXPECT_EQ(d.curcast, 2.0);
    EXPECT_EQ(app.main_window().windowTitle().toStdString(), d.castfile[2]);
    EXPECT_EQ(app.info().text_of(InfoField::labsta).toStdString(), d.castno[2]);
    EXPECT_NE(app.main_window().view()->surface().image(), before);

    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&app.main_window(), &left);
    QApplication::sendEvent(&app.main_window(), &left);
    EXPECT_EQ(d.curcast, d.ncast);  // wraps from cast 1 to the last

    QKeyEvent other(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&app.main_window(), &other);
    EXPECT_EQ(d.curcast, d.ncast);
}

// Stepping through every cast with the keys erases each profile it leaves: the
// window ends as the frame with the last cast drawn once, but for frame pixels
// an erased profile crossed.
TEST(QtWindows, SteppingThroughEveryCastLeavesNoTrace) {
    QuenvarApp app(test_paths());
    app.start({QString::fromStdString(kSb911)});
    settle();
    CruiseData& d = app.data();
    const int n = static_cast<int>(d.ncast);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    for (int i = 1; i < n; ++i) QApplication::sendEvent(&app.main_window(), &right);
    ASSERT_EQ(d.curcast, double(n));
    const QImage stepped = app.main_window().view()->surface().image().copy();

    quenvar::Form_Resize(app.viewer());  // the frame and cast n, drawn afresh
    const QImage fresh = app.main_window().view()->surface().image();
    ASSERT_EQ(stepped.size(), fresh.size());
    const QRgb background = qRgb(255, 255, 255);
    int traces = 0;
    int kept = 0;
    for (int y = 0; y < fresh.height(); ++y)
        for (int x = 0; x < fresh.width(); ++x) {
            const QRgb s = stepped.pixel(x, y);
            if (s == fresh.pixel(x, y)) {
                ++kept;
                continue;
            }
            if (s != background) ++traces;  // a pixel the fresh drawing does not have
        }
    EXPECT_EQ(traces, 0);
    EXPECT_GT(kept, fresh.width() * fresh.height() * 9 / 10);
}

TEST(QtWindows, ClickingAStationShowsItsCast) {
    QuenvarApp app(test_paths());
    app.start({QString::fromStdString(kSb911)});
    settle();
    CruiseData& d = app.data();
    ASSERT_TRUE(app.stations().isVisible());
    // A station whose box no other station's box covers, so the pick is unambiguous.
    int target = 0;
    for (int i = 2; i <= d.ncast && target == 0; ++i) {
        bool alone = true;
        for (int j = 1; j < i; ++j)
            if (std::abs(d.lat[j] - d.lat[i]) < 0.1 && std::abs(d.lon[j] - d.lon[i]) < 0.1) alone = false;
        if (alone) target = i;
    }
    ASSERT_GT(target, 1);
    SurfaceWidget* map = app.stations().view();
    // The sample's stations reach south of 40 N: the map is fitted to them.
    const MapFrame f = map_frame(d);
    ASSERT_TRUE(f.fitted);
    const QPointF at((f.west - d.lon[target]) / (f.west - f.east) * map->width(),
                     (f.north - d.lat[target]) / (f.north - f.south) * map->height());
    QMouseEvent press(QEvent::MouseButtonPress, at, map->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(map, &press);
    EXPECT_EQ(d.curcast, double(target));
    EXPECT_EQ(app.main_window().windowTitle().toStdString(), d.castfile[target]);
    EXPECT_EQ(app.info().text_of(InfoField::labsta).toStdString(), d.castno[target]);
    EXPECT_EQ(app.lister().VScroll1().Max(), int(d.npts[target]));

    // A press far from every station changes nothing.
    const QPointF sea(map->width() - 2, map->height() - 2);
    QMouseEvent miss(QEvent::MouseButtonPress, sea, map->mapToGlobal(sea), Qt::RightButton, Qt::RightButton,
                     Qt::NoModifier);
    QApplication::sendEvent(map, &miss);
    EXPECT_EQ(d.curcast, double(target));
}

// The limits dialog's bars hold their larger value at the top: the top arrow
// raises the value by the small step, and OK applies the pair.
TEST(QtWindows, LimitBarsMoveTowardsTheEndClicked) {
    QuenvarApp app(test_paths());
    app.start();
    settle();
    app.main_window().action("temp")->trigger();
    LimitBox& box = app.limitbox();
    ASSERT_TRUE(box.isVisible());
    EXPECT_EQ(box.windowTitle(), "temperature");
    QScrollBar* min_bar = box.min_widget();
    min_bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the arrow at the top
    EXPECT_EQ(box.minscrol().Value(), 3);
    EXPECT_EQ(box.findChild<QLineEdit*>("min")->text(), " 3");
    min_bar->triggerAction(QAbstractSlider::SliderPageStepAdd);  // the trough below the box
    min_bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(box.minscrol().Value(), 1);
    box.ok_button()->click();
    EXPECT_EQ(app.data().axlim(kTemp, 1), 1.0);
    EXPECT_EQ(app.data().axlim(kTemp, 2), 22.0);
    EXPECT_FALSE(box.isVisible());

    // Depth moves by 5 an arrow click.
    app.main_window().action("depth")->trigger();
    box.max_widget()->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the arrow at the bottom
    EXPECT_EQ(box.maxscrol().Value(), 95);
}

TEST(QtWindows, ClosingTheMapHidesIt) {
    QuenvarApp app(test_paths());
    app.start({QString::fromStdString(kSb911)});
    settle();
    ASSERT_TRUE(app.stations().isVisible());
    app.stations().close();
    EXPECT_FALSE(app.stations().isVisible());
    app.stations().Visible(true);
    EXPECT_TRUE(app.stations().isVisible());
}

// The reports without a window: the cast table of a sample cruise, read back
// from the PDF.
TEST(ReportCommand, WritesTheCastTables) {
    const std::string out = ::testing::TempDir() + "quenvar-casts.pdf";
    std::remove(out.c_str());
    const std::string cmd = std::string(QUENVAR9_BIN) + " --report casts --output " + out + " " + kSb911 + " 2>/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string txt = out + ".txt";
    ASSERT_EQ(std::system(("pdftotext -layout " + out + " " + txt).c_str()), 0);
    // pdftotext guesses the spacing, so compare lines with blanks folded.
    std::ifstream in(txt);
    std::string s, line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string w, folded;
        while (words >> w) folded += (folded.empty() ? "" : " ") + w;
        s += folded + "\n";
    }
    EXPECT_NE(s.find("\nDepth Temp Salt Flur Sigma-t\n"), std::string::npos) << s.substr(0, 1500);
    // The first sample of cast 1 of the sample cruise, then its sample nearest 5 m.
    EXPECT_NE(s.find("\n2.00 20.73 31.59 0.37 22.00\n5.00 18.55 31.62 0.82 22.58\n"), std::string::npos);
    EXPECT_NE(s.find("RU320"), std::string::npos);
    EXPECT_NE(s.find("[** Note: this is uncorrected data **]"), std::string::npos);
}

TEST(ReportCommand, UsageErrorsAndMissingFiles) {
    const std::string bin = QUENVAR9_BIN;
    EXPECT_NE(std::system((bin + " --report nonsense x.hdr 2>/dev/null").c_str()), 0);
    const std::string out = ::testing::TempDir() + "quenvar-none.pdf";
    // A cruise file that does not exist: the report may be written, but the status says the load failed.
    EXPECT_NE(std::system((bin + " --report stations --output " + out + " /nonexistent/x.hdr 2>/dev/null").c_str()), 0);
}
