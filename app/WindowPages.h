#pragma once
// The pages of PageControl1 after the first, built when first shown or needed, and what comes
// with the map page: its editing tools and the run log's colours. Until then the map view's
// settings are kept here.

#include "settings/MapViewSettings.h"

#include <array>
#include <functional>
#include <memory>

class QWidget;

namespace vortan {

class LanguageView;
class MapColouring;
class MapEditing;
class SetStatusView;
struct WindowContext;

class WindowPages {
public:
    // `connectControls` wires the fields, boxes and buttons of a page just built.
    WindowPages(WindowContext& context, LanguageView& language, SetStatusView& status,
                std::function<void(QWidget* page)> connectControls);
    ~WindowPages();
    WindowPages(const WindowPages&) = delete;
    WindowPages& operator=(const WindowPages&) = delete;

    // Page `index` of PageControl1 (0 Miscellaneous .. 3 Servo) built now when it is not yet,
    // showing the set, language, lock, map cursor and colours as they stand. Its controls exist
    // from then on.
    QWidget* ensure(int index);
    void ensureAll();
    // The map page's editing tools; the page is built first when it is not yet.
    MapEditing& mapEditing();
    // The run log's colours of the map; null until the map page is built.
    MapColouring* mapColouring() const { return mapColouring_.get(); }

    // The set on the controls, the map's tools following it.
    void showImage();
    // The cell in use marked on the monitor and on the map.
    void markCursor();
    void setLanguage(int language);
    // The map view's settings as the last run left them: the tools take them when they exist
    // (a curves panel shown builds the map page, since the panel stands beside every page).
    void restoreMapView(const MapViewSettings& settings);
    MapViewSettings mapView() const;

private:
    WindowContext& context_;
    LanguageView& language_;
    SetStatusView& status_;
    std::function<void(QWidget*)> connectControls_;
    std::array<bool, 4> built_{{true, false, false, false}};
    std::unique_ptr<MapEditing> mapEditing_;
    std::unique_ptr<MapColouring> mapColouring_;
    MapViewSettings mapView_;
};

} // namespace vortan
