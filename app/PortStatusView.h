#pragma once
// The permanent status-bar field that tells where the link goes: the port and its device, and
// a mark: green while the unit answers, grey while the port is open without reply, red when it
// cannot be opened. Its tool tip says the same in words, with the reason of a failed open.

#include "link/OpenFailure.h"
#include "link/PortCatalogue.h"

#include <QColor>
#include <optional>

class QLabel;
class QStatusBar;
class QWidget;

namespace vortan {

class PortStatusView {
public:
    static const QColor kUp;
    static const QColor kNoReply;
    static const QColor kCannotOpen;

    // Adds the field to the bar as a permanent widget, so status tips keep the rest of it.
    explicit PortStatusView(QStatusBar* bar);

    void setText(const QString& text, int language);
    // Why the port could not be opened (`present`: the devices there are), or nothing.
    void setFailure(std::optional<OpenFailureFacts> facts, const QStringList& present = {});
    // The port was opened again: nothing has been heard from it yet.
    void opened() { heard_ = false; }
    // After every tick: a silence count of 1 means a valid frame came in this tick.
    void tick(bool open, int silenceCount);
    LinkMark mark() const { return mark_; }

private:
    void showMark();

    QWidget* field_;
    QLabel* mark_label_;
    QLabel* text_;
    LinkMark mark_ = LinkMark::CannotOpen;
    bool heard_ = false;
    bool firstTick_ = true;
    std::optional<OpenFailureFacts> failure_;
    QStringList present_;
    int language_ = 1;
};

} // namespace vortan
