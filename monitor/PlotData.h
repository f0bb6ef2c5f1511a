#pragma once
// The plot of a run: the values drawn per row, thinned to what a plot of some hundred pixels
// can show (the lowest and the highest of each slice of time, so no peak is lost), and the
// visible time range under the wheel's zoom.

#include "monitor/LogCsv.h"

#include <cstdint>
#include <vector>

namespace vortan {

enum class PlotChannel { Rpm, Throttle, Advance, Lambda };

// The value drawn: rpm, throttle % (0 for a sensor error), advance °, lambda in 10 mV.
double plotValue(const MonitorPacket& p, PlotChannel channel);

// Whether the row holds the channel's value; a row that lacks it draws no point.
bool hasPlotValue(const LogRow& row, PlotChannel channel);

struct PlotPoint {
    double seconds; // since the first row
    double value;
};

// The rows between `fromMs` and `toMs` (log time) that hold the channel's value, in at most
// 2 * `slices` points, in time order.
std::vector<PlotPoint> thinnedSeries(const std::vector<LogRow>& rows, PlotChannel channel,
                                     std::int64_t fromMs, std::int64_t toMs, int slices);

struct TimeRange {
    double from;
    double to;
    bool operator==(const TimeRange& o) const { return from == o.from && to == o.to; }
};

// `range` zoomed by `factor` (below 1 zooms in) about `centre`, kept within `whole` and no
// narrower than `narrowest`.
TimeRange zoomRange(TimeRange range, double centre, double factor, TimeRange whole,
                    double narrowest);

} // namespace vortan
