#pragma once

#include <string>
#include <vector>

#include "store/cruise_data.h"
#include "ui/windows.h"

// Fixed locations the viewer reads and writes, resolved once at start-up.
struct ViewerPaths {
    std::string coast_screen{};  // brscale2.bln, the screen map's coastline
    std::string coast_print{};   // brscale.bln, the printed station plot's coastline
    std::string diagnostic{};    // test.dat, rewritten by every Bongo-SB load
    std::string coast_world{};   // world.bln, both maps' coastline when fitted to the stations
};

// Everything a routine of the viewer works on: the one store and the windows.
struct Viewer {
    CruiseData& d;
    ProfileWindow& quenvar;
    MapWindow& Stations;
    ListerWindow& lister;
    InfoWindow& info;
    FileMessage& filemsg;
    LimitDialog& limitbox;
    Printer& printer;
    Alerts& alerts;
    ViewerPaths paths;
    // Folder of the last cruise file loaded (reports are written there);
    // empty before any load, meaning the working directory.
    std::string report_folder;
    // The companion plots and the section dialog; null where there are none
    // (the command line prints them without windows).
    PlotWindow* ts = nullptr;
    PlotWindow* section = nullptr;
    SectionDialog* sectionbox = nullptr;
    // The casts and variable of the section window and report.
    SectionChoice section_choice{};
};

// Writes the store's starting values and readies the companion windows: the
// Stations map gets a solid fill style, the listing its scale and heading.
void setup(Viewer& v);

// The files no output may replace (the output writer's inputs): every cast
// file the store names and the coastlines.
[[nodiscard]] std::vector<std::string> viewer_inputs(const Viewer& v);

// Clears the listing and writes its underlined heading (start-up and every load).
void list_heading(Viewer& v);

inline constexpr const char* kListHeading = "Depth  Temp    Salt      Fluor    Sigma-t   Trans";
