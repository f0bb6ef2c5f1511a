#include "app/DiffReportView.h"

#include "app/DiffReport.h"
#include "app/WindowContext.h"
#include "session/Session.h"

#include <QMainWindow>

namespace vortan {

DiffReportView::DiffReportView(WindowContext& context, std::function<void()> program)
    : context_(context), program_(std::move(program)) {}

void DiffReportView::show() {
    if (!report_) {
        report_ = new DiffReport(&context_.window);
        // The report's values, taken as one edit: from the unit's or the file's set.
        QObject::connect(report_, &DiffReport::takeValues, &context_.window,
                         [this](bool fromUnit, const std::vector<int>& bytes) {
                             context_.session.takeValues(fromUnit, bytes);
                         });
        QObject::connect(report_, &DiffReport::programRequested, &context_.window,
                         [this] { program_(); });
    }
    report_->show();
    report_->raise();
    refresh();
}

void DiffReportView::refresh() {
    if (!report_ || report_->isHidden())
        return;
    const Session& session = context_.session;
    report_->refresh(session.image(), session.operations().unitSeen, session.reportFile(),
                     session.language(), context_.captions());
}

} // namespace vortan
