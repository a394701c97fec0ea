#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "plot/map_frame.h"
#include "plot/section_plot.h"
#include "plot/ts_diagram.h"
#include "testing/qt_app_environment.h"
#include "testing/scratch_folder.h"
#include "ui/load_cruise.h"
#include "ui/qt/application.h"
#include "ui/qt/twips.h"

namespace {

const auto* const kWidgetEnvironment = ::testing::AddGlobalTestEnvironment(new QtAppEnvironment<QApplication>);
const std::string kSb911 = std::filesystem::absolute(QUENVAR_SAMPLES_DIR "/sb911/EN617.hdr").string();
// quenvar9 without a display, its arguments to follow.
const std::string kHeadless = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " QUENVAR9_BIN " ";

const ViewerPaths kPaths{QUENVAR_DATA_DIR "/brscale2.bln", QUENVAR_DATA_DIR "/brscale.bln",
                         ::testing::TempDir() + "quenvar-test.dat"};
// Handles what is pending, and what that posts in turn.
void settle() { QApplication::processEvents(QEventLoop::AllEvents, 100); }

void key(QWidget* to, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent e(QEvent::KeyPress, k, mods);
    QApplication::sendEvent(to, &e);
}

void press(SurfaceWidget* view, QPointF at) {
    QMouseEvent e(QEvent::MouseButtonPress, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(view, &e);
}

// The places of the current cast's red on the T-S image.
std::set<int> red(const QImage& img) {
    std::set<int> out;
    for (int k = 0; k < img.width() * img.height(); ++k)
        if (img.pixel(k % img.width(), k / img.width()) == qRgb(220, 0, 0)) out.insert(k);
    return out;
}

std::string slurp(const std::string& path) { return ScratchFolder::read(path); }

// A word of a PDF page and its top-left corner, as pdftotext -bbox finds them.
struct Word {
    double x, y;
    std::string text;
};
std::vector<Word> words(const std::string& pdf) {
    EXPECT_EQ(std::system(("pdftotext -bbox " + pdf + " " + pdf + ".html").c_str()), 0);
    const std::string page = slurp(pdf + ".html");
    const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<Word> out;
    for (std::sregex_iterator it(page.begin(), page.end(), word), end; it != end; ++it)
        out.push_back({std::stod((*it)[1]), std::stod((*it)[2]), (*it)[3]});
    return out;
}

}  // namespace

// A viewer started on the sample cruise.
struct SampleViewer : ::testing::Test {
    QuenvarApp app{kPaths};
    CruiseData& d = app.data();
    void SetUp() override { app.start({QString::fromStdString(kSb911)}), settle(); }
};

// The arrow keys (the shift held or not) and a click on a station of the
// fitted map reach the cast stepping and picking.
TEST_F(SampleViewer, ArrowKeysAndClicksOnTheMapChooseTheCast) {
    MainWindow& w = app.main_window();
    key(&w, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(d.curcast, 2.0);
    EXPECT_EQ(w.windowTitle().toStdString(), d.castfile[2]);
    EXPECT_EQ(app.info().text_of(InfoField::labsta).toStdString(), d.castno[2]);
    // Station 1 is picked wherever its box is pressed, the lowest index winning.
    SurfaceWidget* map = app.stations().view();
    const MapFrame f = map_frame(d);
    ASSERT_TRUE(f.fitted);  // the sample reaches south of 40 N
    const QPointF at((f.west - d.lon[1]) / (f.west - f.east) * map->width(),
                     (f.north - d.lat[1]) / (f.north - f.south) * map->height());
    press(map, at);
    EXPECT_EQ(d.curcast, 1.0);
    EXPECT_EQ(app.lister().VScroll1().Max(), int(d.npts[1]));
    key(&w, Qt::Key_Left);
    EXPECT_EQ(d.curcast, d.ncast);
}

// The T-S window shows after the load and follows the arrow keys; a press on
// another cast's dot makes that cast current.
TEST_F(SampleViewer, TsDiagramFollowsKeysAndPicks) {
    ASSERT_TRUE(app.ts().isVisible());
    const auto before = red(app.ts().view()->surface().image());
    key(&app.main_window(), Qt::Key_Right);
    const auto after = red(app.ts().view()->surface().image());
    EXPECT_TRUE(!before.empty() && !after.empty() && before != after);

    const Canvas c = app.ts().canvas();
    const Box b = ts_box(c, false);
    const int k = int(d.npts[10]);  // the deepest scan of cast 10, cold and salty: inside the box
    const double t = d.castdat(10, k, kTemp), s = d.castdat(10, k, kSalt);
    const QPointF at(b.left + (s - 31) * (b.right - b.left) / 5, b.bottom - (t - 2) * (b.bottom - b.top) / 20);
    const auto want = ts_pick(d, c, false, at.x(), at.y(), 4);
    ASSERT_TRUE(want && want->cast != 2);
    press(app.ts().view(), at);
    EXPECT_EQ(d.curcast, want->cast);
    EXPECT_EQ(app.lister().VScroll1().Value(), want->scan);
}

// The Section menu opens the dialog; OK shows the window; a press picks the
// nearest station's cast.
TEST_F(SampleViewer, SectionFromTheMenuPicks) {
    EXPECT_FALSE(app.section().isVisible());
    app.main_window().action("section")->trigger();
    ASSERT_TRUE(app.sectionbox().isVisible());
    EXPECT_EQ(app.sectionbox().last_box()->value(), 35);
    app.sectionbox().first_box()->setValue(10);
    app.sectionbox().ok_button()->click();
    settle();
    ASSERT_TRUE(app.section().isVisible());
    const Box b = section_box(app.section().canvas(), true);
    press(app.section().view(), QPointF(b.left + 1, (b.top + b.bottom) / 2));
    EXPECT_EQ(d.curcast, 10.0);
}

// Without a file the frame is drawn at the first resize and the T-S window
// stays hidden until a load. The limits bars hold
// the larger value at the top and step by the variable shown, whatever came before.
TEST(QtWindows, StartUpAndLimitBars) {
    QuenvarApp app(kPaths);
    app.start();
    settle();
    const QImage& plot = app.main_window().view()->surface().image();
    EXPECT_NE(plot.pixelColor(plot.width() / 2, plot.height() / 2), QColor(192, 255, 255));
    EXPECT_FALSE(app.ts().isVisible());
    LimitBox& box = app.limitbox();
    // clang-format off
    const struct { const char* name; const char* menu; bool max_bar; Qt::Key key; int value; } rows[] = {
        {"depth, min up", "depth", false, Qt::Key_Up, 5},
        {"depth, max down", "depth", true, Qt::Key_Down, 95},
        {"then temperature, min down", "temp", false, Qt::Key_Down, 1},
        {"temperature, max up", "temp", true, Qt::Key_Up, 23},
    };  // clang-format on
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        app.main_window().action(r.menu)->trigger();
        key(r.max_bar ? box.max_widget() : box.min_widget(), r.key);
        EXPECT_EQ(box.findChild<QLineEdit*>(r.max_bar ? "max" : "min")->text(), " " + QString::number(r.value));
    }
    box.findChild<QLineEdit*>("min")->setFocus();
    for (const char* next : {"max", "minscrol", "maxscrol", "limitok"}) {
        key(box.focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(box.focusWidget()->objectName(), next);
    }
    app.main_window().action("temp")->trigger();
    box.min_widget()->triggerAction(QAbstractSlider::SliderPageStepAdd);  // the trough: 1 down
    box.ok_button()->click();
    EXPECT_EQ(app.data().axlim(kTemp, 1), 1.0);
    EXPECT_FALSE(box.isVisible());
}

// Quit and closing the main window end the event loop every time, whatever the
// order of the windows' addresses (earlier viewers stay alive to vary it).
TEST(QtWindows, QuitEndsTheProgramEveryTime) {
    std::vector<std::unique_ptr<QuenvarApp>> apps;
    for (int i = 0; i < 20; ++i) {
        QuenvarApp& app = *apps.emplace_back(std::make_unique<QuenvarApp>(kPaths));
        app.start({QString::fromStdString(kSb911)});
        settle();
        if (i % 2)
            QTimer::singleShot(0, &app.main_window(), &QWidget::close);
        else
            QTimer::singleShot(0, app.main_window().action("Quit"), &QAction::trigger);
        QObject stuck;
        QTimer::singleShot(2000, &stuck, [] { QCoreApplication::exit(1); });
        EXPECT_EQ(QApplication::exec(), 0) << i;
        EXPECT_FALSE(app.main_window().isVisible() || app.stations().isVisible() || app.lister().isVisible()) << i;
    }
}

// The companion windows resize; the listing fills its window again from the
// scroll bar's value, under its heading. Closing the map hides it.
TEST_F(SampleViewer, CompanionWindowsResizeAndClose) {
    ListerPanel& lister = app.lister();
    lister.VScroll1().Value(int(d.npts[1]));  // the last scan in the first row, the rest blank
    const QSize info_size = app.info().size() * 2, size = lister.size() * 2;
    app.info().resize(info_size);
    lister.resize(size);
    settle();
    EXPECT_EQ(app.info().size(), info_size);
    ASSERT_EQ(lister.view()->size(), size);
    EXPECT_EQ(lister.scroll_widget()->geometry().bottomRight(), QPoint(size.width() - 2, size.height() - 1));
    const QImage& image = lister.view()->surface().image();
    const auto ink = [&](double y0, double y1) {  // pixels off the background, in user rows (1, 1)-(50, 8)
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
}

// A load that stops with a message: every drawing is painted before the box
// opens. A report then names its file where no window of the default layout
// covers it, outside the drawing area, which keeps its laid-out height.
TEST_F(SampleViewer, LoadMessageAndReportResultInView) {
    ScratchFolder dir;  // the header alone, its casts missing, in a long folder name
    const std::string hdr = dir.write("a-folder-name-long-enough-to-lose-its-start/EN617.hdr", slurp(kSb911));
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
                if (!(QRegion(views[i]->rect()) - logs[i].painted).isEmpty())
                    unpainted << views[i]->window()->objectName();
            box->accept();
        }
    });
    poll.start(10);
    EXPECT_TRUE(load_file(app.viewer(), hdr).stopped);
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

// Without a window: options are read before Qt starts, an output never replaces
// an input, nor an earlier output after a load that stopped; reports go through
// the output writer; "--" ends the options, a failed load is not a success; no
// message carries a terminal control character.
TEST(CommandLine, OptionsOutputsAndExitStatus) {
    ScratchFolder dir;
    // The program runs in the scratch folder: this cast is named there, after "--".
    dir.write("-cast7.cnv", "* NMEA Latitude = 41 12.00 N\n* NMEA Longitude = 070 30.00 W\n# name 0 = prDM: p\n"
                            "# name 1 = t090C: t\n# name 2 = sal00: s\n*END*\n 0.2 20 31\n 2.1 19 32\n 1 0 0\n");
    const std::string cast1 = kSb911.substr(0, kSb911.size() - 4) + "d002.PRE";
    std::filesystem::create_symlink(cast1, dir.path("link.csv"));
    const std::string kept = dir.write("kept.csv", "an earlier export\n");
    const std::string escape = dir.path("a\x1b]0;PWNED\a\x1b[2Jb.cnv");
    // clang-format off
    const struct { const char* name; std::string args; int status; std::string output; } rows[] = {
        {"unknown option", "--bogus", 2, "quenvar9: unknown option '--bogus'\n\nUsage:"},
        {"empty output", "--report casts --output '' " + kSb911, 2, "quenvar9: --output needs a file name"},
        {"missing cruise", "--report stations --output " + dir.path("s.pdf") + " /nonexistent/x.hdr", 1,
         "/nonexistent/x.hdr: cannot be opened"},
        {"the cruise header as output", "--report casts --output " + kSb911 + " " + kSb911, 1,
         "quenvar9: " + kSb911 + ": is an input of the load; it was not replaced"},
        {"a cast file under another name", "--export csv --output " + dir.path("link.csv") + " " + kSb911, 1,
         dir.path("link.csv") + ": is the same file as the input " + cast1},
        {"a cast without scans",
         "--export csv --output " + dir.path("none.csv") + " " +
             dir.write("e.cnv", "# name 0 = depSM\n# name 1 = t090C\n# name 2 = sal00\n*END*\n"),
         1, "e.cnv: holds no scans after its *END* line"},
        {"a stopped load keeps an earlier output", "--export csv --output " + kept + " /nonexistent/y.hdr", 1,
         "quenvar9: " + kept + ": the load stopped, so the existing file was kept"},
        {"a file name with terminal escapes", "--export csv --output " + dir.path("e.csv") + " '" + escape + "'", 1,
         "a\\x1B]0;PWNED\\x07\\x1B[2Jb.cnv: cannot be opened"},
        {"unknown export", "--export xls x.cnv", 2, "unknown export 'xls' (csv, netcdf or odv)"},
        {"NetCDF", "--export netcdf --output " + dir.path("c.nc") + " " + kSb911, 0, "Wrote " + dir.path("c.nc")},
        {"ODV", "--export odv --output " + dir.path("c.txt") + " -- -cast7.cnv", 0, "Wrote " + dir.path("c.txt")},
        {"an output in no folder", "--report cast --output " + dir.path("none/c.pdf") + " " + kSb911, 1,
         "Could not write " + dir.path("none/c.pdf") + ": cannot be written: No such file or directory"},
        {"the cast tables", "--report casts --output " + dir.path("casts.pdf") + " " + kSb911, 0, ""},
        {"a fitted station plot", "--report stations --output " + dir.path("fitted.pdf") + " " + kSb911, 0, ""},
        {"station plot, fixed frame", "--report stations --output " + dir.path("fixed.pdf") + " -- -cast7.cnv", 0, ""},
        {"--fit alone", "--fit " + kSb911, 2, "--fit goes with --report"},
        {"casts out of order", "--report section --casts 9-3 " + kSb911, 2, "--casts needs FIRST-LAST"},
        {"casts the cruise has not", "--report section --casts 30-36 " + kSb911, 1, "the cruise has 35 casts"},
        {"the T-S page", "--report ts --fit --output " + dir.path("ts.pdf") + " " + kSb911, 0, "Wrote"},
        {"section", "--report section --variable salinity --casts 2-20 --output " + dir.path("sec.pdf") + " " + kSb911,
         0, "Wrote"},
    };  // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const int status = std::system(("cd " + dir.path("") + " && " + kHeadless + row.args + " >said 2>&1").c_str());
        const std::string said = slurp(dir.path("said"));
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, row.status);
        EXPECT_NE(said.find(row.output), std::string::npos) << said;
        EXPECT_EQ(said.find_first_of("\x07\x1b"), std::string::npos);
    }
    EXPECT_EQ(slurp(kept), "an earlier export\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.path("s.pdf"))) << "a stopped load's report, none to keep";
    EXPECT_EQ(slurp(kSb911).substr(0, 4), "E617");
    // Cast 1's first sample and its sample nearest 5 m, blanks folded (pdftotext guesses the spacing).
    ASSERT_EQ(std::system(("pdftotext -layout " + dir.path("casts.pdf") + " " + dir.path("casts.txt")).c_str()), 0);
    const std::string s = std::regex_replace(
        std::regex_replace(slurp(dir.path("casts.txt")), std::regex(" *\n *"), "\n"), std::regex(" +"), " ");
    for (const char* want :
         {"\nDepth Temp Salt Flur Sigma-t\n2.00 20.73 31.59 0.37 22.00\n5.00 18.55 31.62 0.82 22.58\n", "RU320",
          "[** Note: this is uncorrected data **]"})
        EXPECT_NE(s.find(want), std::string::npos) << want << "\n" << s.substr(0, 1500);
    // The sample reaches south of the fixed frame, so its plot is fitted: every
    // label is on the page, and the title stands where the fixed frame puts it.
    std::map<std::string, std::vector<std::pair<double, double>>> at;  // where each word of the two plots begins
    for (const char* plot : {"fitted", "fixed"})
        for (const Word& w : words(dir.path(plot + std::string(".pdf"))))
            at[plot + (" " + w.text)].emplace_back(w.x, w.y);
    ASSERT_EQ(at["fitted Positions"].size(), 1u);
    EXPECT_EQ(at["fitted Positions"], at["fixed Positions"]);
    for (int i = 1; i <= 35; ++i) EXPECT_EQ(at["fitted " + std::to_string(i)].size(), 1u) << "label " << i;
    // The T-S page's isopycnal labels, numbers on the row above the box (59 pt down, past the temperature ticks) or
    // right of it (540 pt across, above the salinity ticks), lie inside the sample's sigma-t, 21.97 to 27.75.
    int labels = 0, fitted = 0;  // fitted: the temperature axis's top tick, 25 with --fit (20 without)
    for (const Word& w : words(dir.path("ts.pdf"))) {
        if (w.text.empty() || w.text.find_first_not_of("0123456789.") != std::string::npos) continue;
        const double value = std::stod(w.text);
        fitted += w.x < 60 && value == 25;
        if ((w.y > 58 && w.y < 60 && w.x > 70) || (w.x > 539 && w.y < 595)) {
            ++labels;
            EXPECT_TRUE(value > 21.97 && value < 27.75) << value;
        }
    }
    EXPECT_TRUE(labels == 6 && fitted == 1) << labels;
}
