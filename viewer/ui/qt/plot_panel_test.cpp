#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "plot/section_plot.h"
#include "plot/ts_diagram.h"
#include "testing/scratch_folder.h"
#include "ui/qt/application.h"

// The companion plot windows, T-S Diagram and Section, on the sample cruise;
// the one Qt application is qt_windows_test's.
namespace {

const std::string kCruise = std::filesystem::absolute(QUENVAR_SAMPLES_DIR "/sb911/EN617.hdr").string();

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
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

struct PlotPanels : ::testing::Test {
    QuenvarApp app{ViewerPaths{QUENVAR_DATA_DIR "/brscale2.bln", QUENVAR_DATA_DIR "/brscale.bln", ""}};
    CruiseData& d = app.data();
    void SetUp() override {
        app.start(), settle();
        ASSERT_FALSE(app.ts().isVisible()) << "hidden until a load";
        app.start({QString::fromStdString(kCruise)}), settle();
    }
};

// The T-S window shows after the load and follows the arrow keys; a press on
// another cast's dot makes that cast current.
TEST_F(PlotPanels, TsDiagramFollowsKeysAndPicks) {
    ASSERT_TRUE(app.ts().isVisible());
    const auto before = red(app.ts().view()->surface().image());
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&app.main_window(), &right);
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
TEST_F(PlotPanels, SectionFromTheMenuPicks) {
    EXPECT_FALSE(app.section().isVisible());
    app.main_window().action("section")->trigger();
    ASSERT_TRUE(app.sectionbox().isVisible());
    EXPECT_EQ(app.sectionbox().last_box()->value(), 35);
    app.sectionbox().first_box()->setValue(10);
    app.sectionbox().ok_button()->click(), settle();
    ASSERT_TRUE(app.section().isVisible());
    const Box b = section_box(app.section().canvas(), true);
    press(app.section().view(), QPointF(b.left + 1, (b.top + b.bottom) / 2));
    EXPECT_EQ(d.curcast, 10.0);
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The command line: the options' misuses, and the pages, whose isopycnal
// labels (with --fit) lie inside the sample cruise's sigma-t, 21.97 to 27.75.
TEST(PlotReports, CommandLine) {
    ScratchFolder dir;
    const struct {
        const char* name;
        std::string args;
        int status;
        std::string said;
    } rows[] = {
        {"--fit alone", "--fit " + kCruise, 2, "--fit goes with --report"},
        {"casts out of order", "--report section --casts 9-3 " + kCruise, 2, "--casts needs FIRST-LAST"},
        {"casts the cruise has not", "--report section --casts 30-36 " + kCruise, 1, "the cruise has 35 casts"},
        {"the T-S page", "--report ts --fit --output " + dir.path("ts.pdf") + " " + kCruise, 0, "Wrote"},
        {"a section", "--report section --variable salinity --casts 2-20 --output " + dir.path("s.pdf") + " " + kCruise,
         0, "Wrote"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string run = "env -u DISPLAY " QUENVAR9_BIN " " + row.args + " >" + dir.path("said") + " 2>&1";
        const int status = std::system(run.c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, row.status);
        EXPECT_NE(slurp(dir.path("said")).find(row.said), std::string::npos) << slurp(dir.path("said"));
    }
    ASSERT_EQ(std::system(("pdftotext -bbox " + dir.path("ts.pdf") + " " + dir.path("ts.html")).c_str()), 0);
    const std::string ts = slurp(dir.path("ts.html"));
    // The isopycnal labels: numbers on the row above the box (59 pt down, past
    // the temperature ticks) or right of it (540 pt across, above the salinity ticks).
    const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([0-9.]+)</word>)re");
    int labels = 0, fitted = 0;  // fitted: the temperature axis's top tick, 25 with --fit (20 without)
    for (std::sregex_iterator it(ts.begin(), ts.end(), word), end; it != end; ++it) {
        const double x = std::stod((*it)[1]), y = std::stod((*it)[2]), value = std::stod((*it)[3]);
        fitted += x < 60 && value == 25;
        if ((y > 58 && y < 60 && x > 70) || (x > 539 && y < 595)) {
            ++labels;
            EXPECT_TRUE(value > 21.97 && value < 27.75) << value;
        }
    }
    EXPECT_TRUE(labels == 6 && fitted == 1) << labels;
}

}  // namespace
