#include "export/netcdf_export.h"

#include <netcdf.h>
#include <netcdf_mem.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <tuple>
#include <vector>

#include "format/utf8_text.h"

namespace {

constexpr float kFillFloat = NC_FILL_FLOAT;
constexpr double kFillDouble = NC_FILL_DOUBLE;

// One NetCDF-4 classic-model file made in memory. The first failing call of
// the library is kept; every later call is skipped.
class Dataset {
public:
    Dataset() { status_ = nc_create_mem("casts.nc", NC_NETCDF4 | NC_CLASSIC_MODEL, 0, &id_); }
    ~Dataset() {
        if (status_ == NC_NOERR && !closed_) nc_abort(id_);
    }
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    int dim(const char* name, std::size_t length) {
        int d = -1;
        if (ok()) status_ = nc_def_dim(id_, name, length, &d);
        return d;
    }
    // A variable, compressed (deflate level 4, shuffle).
    int var(const char* name, nc_type type, std::initializer_list<int> dims) {
        int v = -1;
        if (ok()) status_ = nc_def_var(id_, name, type, int(dims.size()), std::data(dims), &v);
        if (ok()) status_ = nc_def_var_deflate(id_, v, 1, 1, 4);
        return v;
    }
    void text(int var, const char* name, const std::string& value) {
        if (ok()) status_ = nc_put_att_text(id_, var, name, value.size(), value.data());
    }
    // A number attribute of the given external type.
    void number(int var, const char* name, nc_type type, double value) {
        if (ok()) status_ = nc_put_att_double(id_, var, name, type, 1, &value);
    }
    void end_definitions() {
        if (ok()) status_ = nc_enddef(id_);
    }
    void put(int var, const float* values) {
        if (ok()) status_ = nc_put_var_float(id_, var, values);
    }
    void put(int var, const double* values) {
        if (ok()) status_ = nc_put_var_double(id_, var, values);
    }
    void put(int var, const char* values) {
        if (ok()) status_ = nc_put_var_text(id_, var, values);
    }
    // The file's bytes; empty with the reason in `why` after a failure.
    std::string close(std::string& why) {
        NC_memio memio{};
        if (ok()) {
            closed_ = true;
            status_ = nc_close_memio(id_, &memio);
        }
        std::string bytes;
        if (ok() && memio.memory) bytes.assign(static_cast<const char*>(memio.memory), memio.size);
        std::free(memio.memory);
        if (!ok()) why = std::string("the netCDF library failed: ") + nc_strerror(status_);
        return bytes;
    }

private:
    bool ok() const { return status_ == NC_NOERR; }
    int id_ = -1;
    int status_ = NC_NOERR;
    bool closed_ = false;
};

// The smallest and largest of the values seen.
struct Range {
    double min = INFINITY, max = -INFINITY;
    void add(double x) { min = std::min(min, x), max = std::max(max, x); }
    bool empty() const { return min > max; }
};

float as_float(std::optional<double> v) { return v && std::abs(*v) <= FLT_MAX ? static_cast<float>(*v) : kFillFloat; }

// The cast variables: code in the store, name, standard name, long name, units.
struct DataVariable {
    int code;
    const char *name, *standard_name, *long_name, *units;
};
constexpr DataVariable kData[] = {
    {kTemp, "temperature", "sea_water_temperature", "sea water temperature", "degree_Celsius"},
    {kSalt, "salinity", "sea_water_practical_salinity", "sea water practical salinity", "1"},
    // Raw fluorescence and transmission have no standard name; their units are
    // the instrument's (mg/m^3 or volts, percent or volts) and the store keeps none.
    {kFluor, "fluorescence", nullptr, "fluorescence", nullptr},
    {kSigma, "sigma_t", "sea_water_sigma_t", "sigma-t", "kg m-3"},
    {kTrans, "transmission", nullptr, "beam transmission", nullptr},
};

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& s : items) out += (out.empty() ? "" : ", ") + s;
    return out;
}

void add_once(std::vector<std::string>& items, const std::string& s) {
    if (!s.empty() && std::find(items.begin(), items.end(), s) == items.end()) items.push_back(s);
}

}  // namespace

std::string netcdf_bytes(const CruiseData& d, const ExportInfo& info, std::string& why) {
    const std::vector<int> casts = exported_casts(d);
    if (casts.empty()) {
        why = "there is no cast to write";
        return {};
    }
    const std::size_t np = casts.size();
    std::size_t nz = 1, nchar = 1;
    for (int c : casts) {
        nz = std::max(nz, std::size_t(std::clamp(static_cast<int>(d.npts[c]), 0, kMaxScan)));
        nchar = std::max({nchar, clean_text(d.castno[c]).size(), clean_text(d.stdsta[c]).size()});
    }
    const bool transmission = static_cast<int>(d.ncol) == 5;

    // The values, profile by profile.
    std::vector<char> castno(np * nchar, '\0'), station(np * nchar, '\0');
    std::vector<double> time(np, kFillDouble), lat(np, kFillDouble), lon(np, kFillDouble);
    std::vector<float> bottom(np, kFillFloat);
    std::vector<std::vector<float>> cube(kMaxVar + 1, std::vector<float>(np * nz, kFillFloat));
    Range lats, lons, depths, times;
    std::vector<std::string> cruises, formats;
    for (std::size_t p = 0; p < np; ++p) {
        const int c = casts[p];
        const std::string no = clean_text(d.castno[c]), sta = clean_text(d.stdsta[c]);
        std::copy(no.begin(), no.end(), castno.begin() + std::ptrdiff_t(p * nchar));
        std::copy(sta.begin(), sta.end(), station.begin() + std::ptrdiff_t(p * nchar));
        if (const auto t = cast_time(d, c)) times.add(time[p] = *t);
        const auto north = finite_value(d.lat[c]), west = finite_value(d.lon[c]);
        if (north && west) {  // a position is both or neither
            lats.add(lat[p] = *north);
            lons.add(lon[p] = -*west);  // west-positive in the store
        }
        bottom[p] = as_float(finite_value(d.botdep[c]));
        const int n = std::clamp(static_cast<int>(d.npts[c]), 0, kMaxScan);
        for (int j = 1; j <= n; ++j) {
            for (int v = kDepth; v <= kTrans; ++v)
                cube[std::size_t(v)][p * nz + std::size_t(j - 1)] = as_float(finite_value(d.castdat(c, j, v)));
            if (const float z = cube[kDepth][p * nz + std::size_t(j - 1)]; z != kFillFloat) depths.add(z);
        }
        add_once(cruises, cruise_name(d, c));
        add_once(formats, cast_format(d, c));
    }

    Dataset nc;
    // The depth variable is z; a dimension of the same name would make it one
    // xarray refuses to open, so the scans run along obs.
    const int dp = nc.dim("profile", np), dz = nc.dim("obs", nz), ds = nc.dim("name_strlen", nchar);
    const int vprofile = nc.var("profile", NC_CHAR, {dp, ds});
    nc.text(vprofile, "long_name", "cast number");
    nc.text(vprofile, "cf_role", "profile_id");
    const int vtime = nc.var("time", NC_DOUBLE, {dp});
    nc.text(vtime, "standard_name", "time");
    nc.text(vtime, "long_name", "time of the cast");
    nc.text(vtime, "units", "seconds since 1970-01-01 00:00:00 UTC");
    nc.text(vtime, "calendar", "standard");
    nc.text(vtime, "axis", "T");
    nc.number(vtime, "_FillValue", NC_DOUBLE, kFillDouble);
    const int vlat = nc.var("lat", NC_DOUBLE, {dp}), vlon = nc.var("lon", NC_DOUBLE, {dp});
    for (const auto& [v, name, units, axis, limit] : {std::tuple(vlat, "latitude", "degrees_north", "Y", 90.0),
                                                      std::tuple(vlon, "longitude", "degrees_east", "X", 180.0)}) {
        nc.text(v, "standard_name", name);
        nc.text(v, "long_name", name);
        nc.text(v, "units", units);
        nc.text(v, "axis", axis);
        nc.number(v, "valid_min", NC_DOUBLE, -limit);
        nc.number(v, "valid_max", NC_DOUBLE, limit);
        nc.number(v, "_FillValue", NC_DOUBLE, kFillDouble);
    }
    const int vstation = nc.var("station", NC_CHAR, {dp, ds});
    nc.text(vstation, "long_name", "station name");
    const int vbottom = nc.var("bottom_depth", NC_FLOAT, {dp});
    nc.text(vbottom, "standard_name", "sea_floor_depth_below_sea_surface");
    nc.text(vbottom, "long_name", "bottom depth");
    nc.text(vbottom, "units", "m");
    nc.number(vbottom, "_FillValue", NC_FLOAT, kFillFloat);
    int vcube[kMaxVar + 1] = {-1, -1, -1, -1, -1, -1, -1};
    vcube[kDepth] = nc.var("z", NC_FLOAT, {dp, dz});
    nc.text(vcube[kDepth], "standard_name", "depth");
    nc.text(vcube[kDepth], "long_name", "depth");
    nc.text(vcube[kDepth], "units", "m");
    nc.text(vcube[kDepth], "positive", "down");
    nc.text(vcube[kDepth], "axis", "Z");
    nc.number(vcube[kDepth], "_FillValue", NC_FLOAT, kFillFloat);
    for (const DataVariable& dv : kData) {
        if (dv.code == kTrans && !transmission) continue;
        const int v = vcube[dv.code] = nc.var(dv.name, NC_FLOAT, {dp, dz});
        if (dv.standard_name) nc.text(v, "standard_name", dv.standard_name);
        nc.text(v, "long_name", dv.long_name);
        if (dv.units)
            nc.text(v, "units", dv.units);
        else
            nc.text(v, "comment", "in the units of the source files, which are not recorded");
        nc.text(v, "coordinates", "time lat lon z");
        nc.number(v, "_FillValue", NC_FLOAT, kFillFloat);
    }

    const std::string created = iso_time(double(info.created)) + "Z";
    nc.text(NC_GLOBAL, "Conventions", "CF-1.8, ACDD-1.3");
    nc.text(NC_GLOBAL, "featureType", "profile");
    nc.text(NC_GLOBAL, "ncei_template_version", "NCEI_NetCDF_Profile_Incomplete_Template_v2.0");
    nc.text(NC_GLOBAL, "title", clean_text(joined(cruises)));
    nc.text(NC_GLOBAL, "summary",
            std::to_string(np) + " CTD casts: temperature, salinity, fluorescence, sigma-t" +
                (transmission ? " and beam transmission" : "") + " against depth, as stored by " + info.program);
    nc.text(NC_GLOBAL, "date_created", created);
    nc.text(NC_GLOBAL, "history", created + " " + info.program + ": " + utf8_text(info.command));
    nc.text(NC_GLOBAL, "source", "CTD casts from " + joined(formats) + " files");
    for (const auto& [range, name, units] :
         {std::tuple(&lats, "lat", "degrees_north"), std::tuple(&lons, "lon", "degrees_east"),
          std::tuple(&depths, "vertical", "m")}) {
        if (range->empty()) continue;
        const std::string key = std::string("geospatial_") + name;
        nc.number(NC_GLOBAL, (key + "_min").c_str(), NC_DOUBLE, range->min);
        nc.number(NC_GLOBAL, (key + "_max").c_str(), NC_DOUBLE, range->max);
        nc.text(NC_GLOBAL, (key + "_units").c_str(), units);
    }
    if (!depths.empty()) nc.text(NC_GLOBAL, "geospatial_vertical_positive", "down");
    if (!times.empty()) {
        nc.text(NC_GLOBAL, "time_coverage_start", iso_time(times.min) + "Z");
        nc.text(NC_GLOBAL, "time_coverage_end", iso_time(times.max) + "Z");
    }
    nc.end_definitions();

    nc.put(vprofile, castno.data());
    nc.put(vtime, time.data());
    nc.put(vlat, lat.data());
    nc.put(vlon, lon.data());
    nc.put(vstation, station.data());
    nc.put(vbottom, bottom.data());
    for (int v = kDepth; v <= kTrans; ++v)
        if (vcube[v] >= 0) nc.put(vcube[v], cube[std::size_t(v)].data());
    return nc.close(why);
}

bool write_netcdf(const CruiseData& d, const ExportInfo& info, const std::string& path, std::string& why,
                  const OutputRules& rules) {
    const std::string bytes = netcdf_bytes(d, info, why);
    return !bytes.empty() && write_output(path, bytes, why, rules);
}
