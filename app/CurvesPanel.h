#pragma once
// The curves panel as the window sees it. Its chart (Qt Charts) lives in a module of its
// own, vortan2charts, loaded when the panel is first shown (app/MapCurves.h), so a start
// without the curves never loads Qt Charts.

#include "params/DeviceImage.h"
#include "params/MapCursor.h"

class QLineSeries;
class QMainWindow;

namespace vortan {

class CurvesPanel {
public:
    virtual ~CurvesPanel() = default;
    virtual void setShown(bool shown, const DeviceImage& image, const MapCursor& cursor) = 0;
    virtual bool isShown() const = 0;
    virtual void update(const DeviceImage& image, const MapCursor& cursor) = 0;
    virtual void setLanguage(int language) = 0;
    virtual QLineSeries* rowSeries(int row) const = 0;
    virtual QLineSeries* servoSeries() const = 0;
};

// The module's one entry point: a new panel for `window`, owned by the caller.
using MakeCurvesPanel = CurvesPanel* (*)(QMainWindow* window);
inline constexpr const char* kMakeCurvesPanel = "vortan2MakeCurvesPanel";

} // namespace vortan
