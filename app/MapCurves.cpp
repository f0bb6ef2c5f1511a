#include "app/MapCurves.h"

#include "app/Modules.h"

namespace vortan {

MapCurves::MapCurves(QMainWindow& window) : window_(window) {}

MapCurves::~MapCurves() = default;

CurvesPanel* MapCurves::panel() {
    if (panel_ || loadTried_)
        return panel_.get();
    loadTried_ = true;
    if (auto make =
            reinterpret_cast<MakeCurvesPanel>(moduleEntry(kChartModule, kMakeCurvesPanel))) {
        panel_.reset(make(&window_));
        panel_->setLanguage(language_);
    }
    return panel_.get();
}

void MapCurves::setShown(bool shown, const DeviceImage& image, const MapCursor& cursor) {
    if (CurvesPanel* p = shown ? panel() : panel_.get())
        p->setShown(shown, image, cursor);
}

bool MapCurves::isShown() const {
    return panel_ && panel_->isShown();
}

void MapCurves::update(const DeviceImage& image, const MapCursor& cursor) {
    if (panel_)
        panel_->update(image, cursor);
}

void MapCurves::setLanguage(int language) {
    language_ = language;
    if (panel_)
        panel_->setLanguage(language);
}

QLineSeries* MapCurves::rowSeries(int row) const {
    return panel_ ? panel_->rowSeries(row) : nullptr;
}

QLineSeries* MapCurves::servoSeries() const {
    return panel_ ? panel_->servoSeries() : nullptr;
}

} // namespace vortan
