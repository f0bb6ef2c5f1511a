#include "monitor/PlotData.h"

#include <algorithm>

namespace vortan {

double plotValue(const MonitorPacket& p, PlotChannel channel) {
    switch (channel) {
    case PlotChannel::Rpm:
        return p.rpm;
    case PlotChannel::Throttle:
        return p.tpsPercent > 100 ? 0 : p.tpsPercent;
    case PlotChannel::Advance:
        return p.advance;
    case PlotChannel::Lambda:
        return rawToMillivolts(p.lambdaRaw) / 10;
    }
    return 0;
}

bool hasPlotValue(const LogRow& row, PlotChannel channel) {
    switch (channel) {
    case PlotChannel::Rpm:
    case PlotChannel::Throttle:
        return true; // every row has them
    case PlotChannel::Advance:
        return row.values.has(PacketValue::Advance);
    case PlotChannel::Lambda:
        return row.values.has(PacketValue::Lambda);
    }
    return false;
}

std::vector<PlotPoint> thinnedSeries(const std::vector<LogRow>& rows, PlotChannel channel,
                                     std::int64_t fromMs, std::int64_t toMs, int slices) {
    std::vector<PlotPoint> out;
    if (rows.empty() || slices <= 0 || toMs < fromMs)
        return out;
    const double start = rows.front().timeMs;
    auto at = [&](const LogRow& r) {
        return PlotPoint{(r.timeMs - start) / 1000.0, plotValue(r.packet, channel)};
    };
    const auto first =
        std::lower_bound(rows.begin(), rows.end(), fromMs,
                         [](const LogRow& r, std::int64_t t) { return r.timeMs < t; });
    const auto last = std::upper_bound(
        first, rows.end(), toMs, [](std::int64_t t, const LogRow& r) { return t < r.timeMs; });
    const std::int64_t span = std::max<std::int64_t>(1, toMs - fromMs + 1);
    auto it = first;
    for (int s = 0; s < slices && it != last; ++s) {
        const std::int64_t sliceEnd = fromMs + span * (s + 1) / slices;
        auto low = last;
        auto high = last;
        auto end = it;
        for (; end != last && end->timeMs < sliceEnd; ++end) {
            if (!hasPlotValue(*end, channel))
                continue;
            if (low == last || plotValue(end->packet, channel) < plotValue(low->packet, channel))
                low = end;
            if (high == last || plotValue(end->packet, channel) > plotValue(high->packet, channel))
                high = end;
        }
        it = end;
        if (low == last)
            continue; // no row of the slice holds the value
        // The two in their order of time; one point when they are the same row.
        const auto a = low < high ? low : high;
        const auto b = low < high ? high : low;
        out.push_back(at(*a));
        if (a != b)
            out.push_back(at(*b));
    }
    return out;
}

TimeRange zoomRange(TimeRange range, double centre, double factor, TimeRange whole,
                    double narrowest) {
    const double wholeWidth = whole.to - whole.from;
    double width =
        std::clamp((range.to - range.from) * factor, std::min(narrowest, wholeWidth), wholeWidth);
    // The time under the pointer stays under it.
    const double share =
        range.to > range.from ? (centre - range.from) / (range.to - range.from) : 0.5;
    double from = centre - share * width;
    from = std::clamp(from, whole.from, whole.to - width);
    return {from, from + width};
}

} // namespace vortan
