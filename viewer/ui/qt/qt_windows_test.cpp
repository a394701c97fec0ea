#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QTimer>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

#include "testing/qt_app_environment.h"
#include "plot/map_frame.h"
#include "ui/load_cruise.h"
#include "ui/profile_plot.h"
#include "ui/qt/application.h"
#include "ui/qt/twips.h"

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

// The limits dialog's bars hold their larger value at the top: the up key (an
// arrow click) raises the value by the small step of the variable shown,
// whatever variable was shown before. Every row opens the dialog anew.
TEST(QtWindows, LimitBarsStepByTheVariableShownAndTakeFocus) {
    QuenvarApp app(test_paths());
    app.start();
    settle();
    LimitBox& box = app.limitbox();
    struct Row { const char* name; const char* menu; bool max_bar; Qt::Key key; int value; };
    const Row rows[] = {
        {"depth first, min up", "depth", false, Qt::Key_Up, 5},
        {"depth, max down", "depth", true, Qt::Key_Down, 95},
        {"then temperature, min down", "temp", false, Qt::Key_Down, 1},
        {"temperature, max up", "temp", true, Qt::Key_Up, 23},
        {"back to depth, min up", "depth", false, Qt::Key_Up, 5},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        app.main_window().action(r.menu)->trigger();
        QKeyEvent key(QEvent::KeyPress, r.key, Qt::NoModifier);
        QApplication::sendEvent(r.max_bar ? box.max_widget() : box.min_widget(), &key);
        EXPECT_EQ(box.findChild<QLineEdit*>(r.max_bar ? "max" : "min")->text(), " " + QString::number(r.value));
    }
    box.findChild<QLineEdit*>("min")->setFocus();
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(box.focusWidget(), &tab);
        order << box.focusWidget()->objectName();
    }
    EXPECT_EQ(order, QStringList({"max", "minscrol", "maxscrol", "limitok"}));

    app.main_window().action("temp")->trigger();
    box.min_widget()->triggerAction(QAbstractSlider::SliderPageStepAdd);  // the trough: 1 down
    box.ok_button()->click();
    EXPECT_EQ(app.data().axlim(kTemp, 1), 1.0);
    EXPECT_FALSE(box.isVisible());
}

// Quit and closing the main window end the event loop every time. The toolkit
// asks windows to close in an order that follows their addresses, so earlier
// viewers stay alive to move later ones around.
TEST(QtWindows, QuitEndsTheProgramEveryTime) {
    std::vector<std::unique_ptr<QuenvarApp>> apps;
    for (int i = 0; i < 20; ++i) {
        QuenvarApp& app = *apps.emplace_back(std::make_unique<QuenvarApp>(test_paths()));
        app.start({QString::fromStdString(kSb911)});
        settle();
        if (i % 2) QTimer::singleShot(0, &app.main_window(), &QWidget::close);
        else QTimer::singleShot(0, app.main_window().action("Quit"), &QAction::trigger);
        QObject stuck;
        QTimer::singleShot(2000, &stuck, [] { QCoreApplication::exit(1); });
        EXPECT_EQ(QApplication::exec(), 0) << i;
        EXPECT_FALSE(app.main_window().isVisible() || app.stations().isVisible() || app.lister().isVisible()) << i;
    }
}

// The companion windows resize; the listing fills its window again from the
// scroll bar's value, under its heading. Closing the map hides it.
TEST(QtWindows, CompanionWindowsResizeAndClose) {
    QuenvarApp app(test_paths());
    app.start({QString::fromStdString(kSb911)});
    settle();
    ListerPanel& lister = app.lister();
    lister.VScroll1().Value(int(app.data().npts[1]));  // the last scan in the first row, the rest blank
    const QSize info_size = app.info().size() * 2, size = lister.size() * 2;
    app.info().resize(info_size);
    lister.resize(size);
    settle();
    EXPECT_EQ(app.info().size(), info_size);
    ASSERT_EQ(lister.view()->size(), size);
    EXPECT_EQ(lister.scroll_widget()->geometry().bottomRight(), QPoint(size.width() - 2, size.height() - 1));
    // Pixels other than the background in a strip of user rows (scale (1, 1)-(50, 8)).
    const QImage& image = lister.view()->surface().image();
    const auto ink = [&](double y0, double y1) {
        int n = 0;
        for (int y = int((y0 - 1) / 7 * image.height()); y < int((y1 - 1) / 7 * image.height()); ++y)
            for (int x = 0; x < image.width() / 2; ++x) n += image.pixel(x, y) != image.pixel(0, image.height() - 1);
        return n;
    };
    EXPECT_GT(ink(1, 1.9), 0) << "heading";
    EXPECT_GT(ink(1.9, 2.7), 0) << "first row";
    EXPECT_EQ(ink(2.9, 8), 0) << "rows past the last scan";

    app.stations().close();
    EXPECT_FALSE(app.stations().isVisible());
    app.stations().Visible(true);
    EXPECT_TRUE(app.stations().isVisible());
}

// A load that stops with a message (the header alone, its casts missing):
// every drawing shows it before the box opens. A report then names its file
// where no window of the default layout covers it, outside the drawing area,
// which keeps its laid-out height.
TEST(QtWindows, LoadMessageAndReportResultInView) {
    QuenvarApp app(test_paths());
    app.start({QString::fromStdString(kSb911)});
    settle();
    const std::string folder = ::testing::TempDir() + "a-folder-name-long-enough-to-lose-its-start";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(kSb911, folder + "/EN617.hdr", std::filesystem::copy_options::overwrite_existing);
    struct PaintLog : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } logs[3];
    SurfaceWidget* views[] = {app.main_window().view(), app.lister().view(), app.stations().view()};
    for (int i = 0; i < 3; ++i) views[i]->installEventFilter(&logs[i]);
    QStringList unpainted{"no box"};
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            unpainted.clear();
            for (int i = 0; i < 3; ++i)
                if (!(QRegion(views[i]->rect()) - logs[i].painted).isEmpty()) unpainted << views[i]->window()->objectName();
            box->accept();
        }
    });
    poll.start(10);
    EXPECT_TRUE(load_file(app.viewer(), folder + "/EN617.hdr").stopped);
    EXPECT_EQ(unpainted, QStringList());

    app.main_window().action("staplt")->trigger();
    const QLabel* status = app.main_window().status_line();
    ASSERT_TRUE(status->isVisible());
    EXPECT_TRUE(status->text().startsWith(QChar(0x2026)) && status->text().endsWith("stations.pdf"));
    EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()), status->width());
    const QRect shown(status->mapToGlobal(QPoint(0, 0)), status->size());
    EXPECT_EQ(views[0]->height(), twips_to_px(4320, views[0]));
    for (QWidget* w : std::initializer_list<QWidget*>{views[0], &app.info(), &app.lister(), &app.stations()})
        EXPECT_FALSE(QRect(w->mapToGlobal(QPoint(0, 0)), w->frameGeometry().size()).intersects(shown));
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

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Exit status and output of quenvar9 with `args`, run without a display or Qt platform.
std::pair<int, std::string> quenvar9(const std::string& args) {
    const std::string out = ::testing::TempDir() + "quenvar-out.txt";
    const int status = std::system(
        ("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " QUENVAR9_BIN " " + args + " >" + out + " 2>&1").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out)};
}

}  // namespace

// The options are read before Qt starts; an output never replaces an input or
// a FIFO; "--" ends the options.
TEST(CommandLine, OptionsAndOutputs) {
    const std::string dir = ::testing::TempDir() + "quenvar-cl/";
    std::system(("rm -rf " + dir + " && mkdir -p " + dir).c_str());
    const std::string cnv = dir + "-cast7.cnv";
    std::ofstream(cnv) << "* NMEA Latitude = 41 12.00 N\n* NMEA Longitude = 070 30.00 W\n# name 0 = prDM: p\n"
                          "# name 1 = t090C: t\n# name 2 = sal00: s\n*END*\n 0.2 20 31\n 2.1 19 32\n 1 0 0\n";
    const std::string hdr = QFileInfo(QUENVAR_SAMPLES_DIR "/sb911/EN617.hdr").absoluteFilePath().toStdString();
    std::filesystem::create_symlink(hdr.substr(0, hdr.size() - 4) + "d002.PRE", dir + "link.csv");
    ::mkfifo((dir + "fifo.csv").c_str(), 0600);
    const struct { const char* name; std::string args; int status; std::string output; } rows[] = {
        {"unknown option", "--bogus", 2, "quenvar9: unknown option '--bogus'\n\nUsage:"},
        {"version", "--version", 0, "quenvar9 0.1"},
        {"empty output", "--report casts --output '' " + hdr, 2, "quenvar9: --output needs a file name"},
        {"the cruise header as output", "--report casts --output " + hdr + " " + hdr, 1,
         "quenvar9: " + hdr + ": is an input of the load; it was not replaced"},
        {"a cast file under another name", "--export csv --output " + dir + "link.csv " + hdr, 1,
         dir + "link.csv: is the same file as the input " + hdr.substr(0, hdr.size() - 4) + "d002.PRE"},
        {"a FIFO as output", "--export csv --output " + dir + "fifo.csv " + hdr, 1, "fifo.csv: is not a regular file (a FIFO)"},
        {"a .cnv after --", "--export csv --output " + dir + "out.csv -- " + cnv, 0, "Wrote " + dir + "out.csv"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto [status, output] = quenvar9(row.args);
        EXPECT_EQ(status, row.status);
        EXPECT_NE(output.find(row.output), std::string::npos) << output;
    }
    struct stat st {};
    EXPECT_TRUE(::stat((dir + "fifo.csv").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_EQ(slurp(hdr).substr(0, 4), "E617");
    // Pressure 0.2 and 2.1 dbar at 41.2 N lie in the 0 m and 2 m bins; the upcast is left out.
    EXPECT_EQ(slurp(dir + "out.csv"),
              "cast,castno,station,latitude,longitude,year,month,day,hour,depth,temperature,salinity,fluorescence,"
              "sigma_t,transmission\n1,007,,41.2,-70.5,,,,,0,20,31,,21.741350312566887,\n"
              "1,007,,41.2,-70.5,,,,,2,19,32,,22.75485466156855,\n");
}
