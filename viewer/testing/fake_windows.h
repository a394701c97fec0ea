#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "surface/recording_surface.h"
#include "ui/viewer.h"

// Window fakes that keep what the routines did to them.

// The last item, or an empty one so that a test fails rather than crashes.
template <typename T>
T last(const std::vector<T>& items) {
    return items.empty() ? T{} : items.back();
}

struct FakeProfileWindow : ProfileWindow {
    RecordingSurface plot{rgb(192, 255, 255), 0};
    std::vector<std::string> captions, statuses;
    PlotSurface& surface() override { return plot; }
    void Caption(const std::string& t) override { captions.push_back(t); }
    void status(const std::string& t) override { statuses.push_back(t); }
};

struct FakeMapWindow : MapWindow {
    RecordingSurface map{rgb(255, 255, 255), 0};
    bool visible = false;
    double height = 2700;  // outer height, twips; the outer width is 4575
    PlotSurface& surface() override { return map; }
    void Visible(bool on) override { visible = on; }
    bool Visible() const override { return visible; }
    double Width() const override { return 4575; }
    void Height(double h) override { height = h; }
};

struct FakeListerWindow : ListerWindow {
    RecordingSurface list{rgb(255, 255, 255), 0};
    ScrollBar scroll;
    PlotSurface& surface() override { return list; }
    ScrollBar& VScroll1() override { return scroll; }
};

struct FakeInfoWindow : InfoWindow {
    std::map<InfoField, std::string> fields;
    void Text(InfoField f, const std::string& t) override { fields[f] = t; }
};

struct FakeFileMessage : FileMessage {
    bool visible = false;
    std::vector<std::string> texts;  // every text set, in order
    void Visible(bool on) override { visible = on; }
    void Text(const std::string& t) override { texts.push_back(t); }
};

struct FakeLimitDialog : LimitDialog {
    ScrollBar min_bar, max_bar;
    std::string min_text, max_text, caption;
    bool visible = false;
    ScrollBar& minscrol() override { return min_bar; }
    ScrollBar& maxscrol() override { return max_bar; }
    void min(const std::string& t) override { min_text = t; }
    void max(const std::string& t) override { max_text = t; }
    void Caption(const std::string& t) override { caption = t; }
    void Visible(bool on) override { visible = on; }
};

struct FakePlotWindow : PlotWindow {
    RecordingSurface plot;
    bool visible = false;
    Canvas size{400, 300, 7, 13, 2};
    PlotSurface& surface() override { return plot; }
    void Visible(bool on) override { visible = on; }
    bool Visible() const override { return visible; }
    Canvas canvas() const override { return size; }
};

struct FakeSectionDialog : SectionDialog {
    SectionChoice offered, chosen;
    int ncast = -1;
    std::vector<int> vars;
    bool visible = false;
    void offer(const SectionChoice& c, int n, const std::vector<int>& v) override {
        offered = c, ncast = n, vars = v, visible = true;
    }
    SectionChoice choice() const override { return chosen; }
    void Visible(bool on) override { visible = on; }
};

// Each job records on a fresh surface kept with its path, and succeeds.
struct FakePrinter : Printer {
    std::vector<std::pair<std::string, RecordingSurface>> jobs;
    PlotSurface& job(const std::string& path) override { return jobs.emplace_back(path, RecordingSurface{}).second; }
    bool last_job_ok(std::string*) const override { return true; }
};

struct FakeAlerts : Alerts {
    std::vector<std::pair<std::string, std::string>> shown;  // title, text
    void message_box(const std::string& title, const std::string& text) override { shown.emplace_back(title, text); }
};

// A whole viewer on fakes, started with setup(), its scroll bars wired as the Qt windows wire them.
struct FakeViewer {
    CruiseData d;
    FakeProfileWindow quenvar;
    FakeMapWindow Stations;
    FakeListerWindow lister;
    FakeInfoWindow info;
    FakeFileMessage filemsg;
    FakeLimitDialog limitbox;
    FakePrinter printer;
    FakeAlerts alerts;
    Viewer viewer;

    explicit FakeViewer(ViewerPaths paths = {});
    FakeViewer(const FakeViewer&) = delete;
    FakeViewer& operator=(const FakeViewer&) = delete;
};
