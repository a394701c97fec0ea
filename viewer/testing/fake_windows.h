#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "surface/recording_surface.h"
#include "ui/viewer.h"

// Window fakes that keep what the routines did to them.

class FakeProfileWindow : public ProfileWindow {
public:
    RecordingSurface plot{rgb(192, 255, 255), 0};
    std::vector<std::string> captions;
    std::vector<std::string> statuses;
    PlotSurface& surface() override { return plot; }
    void Caption(const std::string& t) override { captions.push_back(t); }
    void status(const std::string& t) override { statuses.push_back(t); }
};

class FakeMapWindow : public MapWindow {
public:
    RecordingSurface map{rgb(255, 255, 255), 0};
    bool visible = false;
    double width = 4575;  // outer size, twips
    double height = 2700;
    PlotSurface& surface() override { return map; }
    void Visible(bool on) override { visible = on; }
    bool Visible() const override { return visible; }
    double Width() const override { return width; }
    void Height(double h) override { height = h; }
};

class FakeListerWindow : public ListerWindow {
public:
    RecordingSurface list{rgb(255, 255, 255), 0};
    ScrollBar scroll;
    PlotSurface& surface() override { return list; }
    ScrollBar& VScroll1() override { return scroll; }
};

class FakeInfoWindow : public InfoWindow {
public:
    std::map<InfoField, std::string> fields;
    std::vector<InfoField> order;  // every write, in order
    void Text(InfoField f, const std::string& t) override {
        fields[f] = t;
        order.push_back(f);
    }
};

class FakeFileMessage : public FileMessage {
public:
    bool visible = false;
    std::string text;
    std::vector<std::string> texts;  // every text set, in order
    void Visible(bool on) override { visible = on; }
    void Text(const std::string& t) override {
        text = t;
        texts.push_back(t);
    }
};

class FakeLimitDialog : public LimitDialog {
public:
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

// Each job records on a fresh surface, kept with the path it was meant for.
class FakePrinter : public Printer {
public:
    std::vector<std::pair<std::string, RecordingSurface>> jobs;
    PlotSurface& job(const std::string& path) override {
        jobs.emplace_back(path, RecordingSurface{rgb(255, 255, 255), 0});
        return jobs.back().second;
    }
    bool last_job_ok(std::string*) const override { return true; }
};

class FakeAlerts : public Alerts {
public:
    std::vector<std::pair<std::string, std::string>> shown;  // title, text
    void message_box(const std::string& title, const std::string& text) override {
        shown.emplace_back(title, text);
    }
};

// A whole viewer on fakes. The scroll bars' change events are wired to the
// routines as the Qt windows wire them. Construct, then call setup(viewer) if
// the test wants the start-up state.
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
