#include "app/WindowPages.h"

#include "app/FindChild.h"
#include "app/FormBuilder.h"
#include "app/LanguageView.h"
#include "app/MapColouring.h"
#include "app/MapEditing.h"
#include "app/MonitorView.h"
#include "app/ParamView.h"
#include "app/SetStatusView.h"
#include "app/WindowContext.h"
#include "session/Session.h"

#include <QMainWindow>

namespace vortan {

WindowPages::WindowPages(WindowContext& context, LanguageView& language, SetStatusView& status,
                         std::function<void(QWidget*)> connectControls)
    : context_(context), language_(language), status_(status),
      connectControls_(std::move(connectControls)) {}

WindowPages::~WindowPages() = default;

QWidget* WindowPages::ensure(int index) {
    auto* page = requiredChild<QWidget>(&context_.window, kPageNames[index]);
    if (built_[static_cast<std::size_t>(index)])
        return page;
    built_[static_cast<std::size_t>(index)] = true;
    // A page on screen is hidden while it is filled, so that its new controls show with it.
    const bool onScreen = page->isVisible();
    if (onScreen)
        page->hide();
    buildPageContents(index, page);
    // Polished now, so that a page that scales its children places them before the set
    // moves any (as when it was built with the window).
    for (QWidget* child : page->findChildren<QWidget*>())
        child->ensurePolished();
    context_.params = ParamView(&context_.window);
    connectControls_(page);
    context_.controls.findPageControls(&context_.window);
    Session& session = context_.session;
    if (index == kMapPage) {
        mapEditing_ = std::make_unique<MapEditing>(context_.window, session, context_.params,
                                                   context_.monitor);
        mapEditing_->restore(mapView_);
        mapColouring_ = std::make_unique<MapColouring>(page, context_.params, *mapEditing_);
        mapEditing_->setLanguage(session.language());
        mapColouring_->setLanguage(session.language());
    }
    language_.addPage(page, session.language());
    // The set as it stands on the new page's controls only: a value typed on another page and
    // not yet committed stays as typed.
    ParamView(page).show(session.image(), session.language());
    if (mapEditing_ && index == kMapPage)
        mapEditing_->imageShown();
    context_.monitor.invalidate();
    markCursor();
    status_.updateChangeCounts(true);
    status_.updateSetLock(true);
    if (onScreen)
        page->show();
    return page;
}

void WindowPages::ensureAll() {
    for (int i = 0; i < kPageCount; ++i)
        ensure(i);
}

MapEditing& WindowPages::mapEditing() {
    ensure(kMapPage);
    return *mapEditing_;
}

void WindowPages::showImage() {
    context_.params.show(context_.session.image(), context_.session.language());
    if (mapEditing_)
        mapEditing_->imageShown();
}

void WindowPages::markCursor() {
    context_.monitor.mark(context_.session.updateCursor());
    if (mapEditing_)
        mapEditing_->cursorMoved();
}

void WindowPages::setLanguage(int language) {
    if (mapEditing_)
        mapEditing_->setLanguage(language);
}

void WindowPages::restoreMapView(const MapViewSettings& settings) {
    mapView_ = settings;
    if (mapEditing_)
        mapEditing_->restore(mapView_);
    else if (mapView_.curves)
        ensure(kMapPage);
}

MapViewSettings WindowPages::mapView() const {
    return mapEditing_ ? mapEditing_->viewSettings() : mapView_;
}

} // namespace vortan
