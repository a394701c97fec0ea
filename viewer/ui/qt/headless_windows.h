#pragma once

#include <unistd.h>
#include <iostream>
#include <string>
#include <utility>

#include "surface/image_surface.h"
#include "ui/qt/pdf_printer.h"
#include "ui/terminal_progress.h"
#include "ui/viewer.h"
#include "ui/windows.h"

// Windows without a display, for writing reports from the command line: the
// routines draw on off-screen images nobody shows, and messages go to
// standard error.

class HeadlessProfileWindow : public ProfileWindow {
public:
    PlotSurface& surface() override { return image_; }
    void Caption(const std::string&) override {}
    void status(const std::string& text) override { std::cerr << text << '\n'; }

private:
    ImageSurface image_{418, 288, 1.0, rgb(192, 255, 255), 0};
};

class HeadlessMapWindow : public MapWindow {
public:
    PlotSurface& surface() override { return image_; }
    void Visible(bool on) override { visible_ = on; }
    bool Visible() const override { return visible_; }
    double Width() const override { return width_; }
    void Height(double) override {}

private:
    ImageSurface image_{297, 172};
    bool visible_ = false;
    double width_ = 4455;
};

class HeadlessListerWindow : public ListerWindow {
public:
    PlotSurface& surface() override { return image_; }
    ScrollBar& VScroll1() override { return bar_; }

private:
    ImageSurface image_{328, 117};
    ScrollBar bar_;
};

class HeadlessInfoWindow : public InfoWindow {
public:
    void Text(InfoField, const std::string&) override {}
};

// A load's progress becomes a line on standard error when that is a terminal.
class HeadlessFileMessage : public FileMessage {
public:
    void Visible(bool on) override {
        if (!on) line_.clear();
    }
    void Text(const std::string&) override {}
    void Progress(const LoadStep& step) override { line_.show(step); }

private:
    TerminalProgress line_{STDERR_FILENO};
};

class HeadlessLimitDialog : public LimitDialog {
public:
    ScrollBar& minscrol() override { return min_; }
    ScrollBar& maxscrol() override { return max_; }
    void min(const std::string&) override {}
    void max(const std::string&) override {}
    void Caption(const std::string&) override {}
    void Visible(bool) override {}

private:
    ScrollBar min_, max_;
};

class StderrAlerts : public Alerts {
public:
    void message_box(const std::string& title, const std::string& text) override {
        std::cerr << title << ": " << text << '\n';
    }
};

// A whole viewer without a display on the store `d`: the headless windows, a
// PDF printer and the given alerts.
struct HeadlessViewer {
    HeadlessViewer(CruiseData& d, Alerts& alerts, ViewerPaths paths)
        : viewer{d, quenvar, stations, lister, info, filemsg, limitbox, printer, alerts, std::move(paths), {}} {}
    HeadlessViewer(const HeadlessViewer&) = delete;
    HeadlessViewer& operator=(const HeadlessViewer&) = delete;

    HeadlessProfileWindow quenvar;
    HeadlessMapWindow stations;
    HeadlessListerWindow lister;
    HeadlessInfoWindow info;
    HeadlessFileMessage filemsg;
    HeadlessLimitDialog limitbox;
    PdfPrinter printer;
    Viewer viewer;
};
