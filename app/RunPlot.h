#pragma once
// The plot of a replayed run as the window sees it. Its chart (Qt Charts) lives in the chart
// module (app/Modules.h) with the curves panel, loaded when a log is first replayed.

#include "monitor/LogCsv.h"

#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

namespace vortan {

class RunPlot {
public:
    virtual ~RunPlot() = default;
    // The plot's widget, owned by the parent it was made with.
    virtual QWidget* widget() = 0;
    // The rows outlive the plot's use of them (until the next setLog or clear).
    virtual void setLog(const std::vector<LogRow>* rows) = 0;
    // The cursor line at `timeMs` of log time.
    virtual void setCursorTime(std::int64_t timeMs) = 0;
    virtual void setLanguage(int language) = 0;

    // A click in the plot asks the replay to go to this log time.
    std::function<void(std::int64_t timeMs)> onJump;
};

// The module's entry point: a new plot, a child of `parent`.
using MakeRunPlot = RunPlot* (*)(QWidget* parent);
inline constexpr const char* kMakeRunPlot = "vortan2MakeRunPlot";

} // namespace vortan
