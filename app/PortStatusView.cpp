#include "app/PortStatusView.h"

#include "lang/Texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>

namespace vortan {

const QColor PortStatusView::kUp(0x00, 0xA0, 0x00);
const QColor PortStatusView::kNoReply(0x90, 0x90, 0x90);
const QColor PortStatusView::kCannotOpen(0xFF, 0x00, 0x00);

PortStatusView::PortStatusView(QStatusBar* bar)
    : field_(new QWidget(bar)), mark_label_(new QLabel(QStringLiteral("●"), field_)),
      text_(new QLabel(field_)) {
    field_->setObjectName("PortStatus");
    mark_label_->setObjectName("PortStatusMark");
    text_->setObjectName("PortStatusText");
    auto* layout = new QHBoxLayout(field_);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(mark_label_);
    layout->addWidget(text_);
    bar->addPermanentWidget(field_);
    showMark();
}

void PortStatusView::setText(const QString& text, int language) {
    text_->setText(text);
    language_ = language;
    showMark();
}

void PortStatusView::setFailure(std::optional<OpenFailureFacts> facts, const QStringList& present) {
    failure_ = std::move(facts);
    present_ = present;
    showMark();
}

void PortStatusView::tick(bool open, int silenceCount) {
    // The count starts at 0 before the first tick without anything heard.
    if (silenceCount == 1 && !firstTick_)
        heard_ = true;
    firstTick_ = false;
    const LinkMark mark = linkMark(open, heard_, silenceCount);
    if (mark == mark_)
        return;
    mark_ = mark;
    showMark();
}

void PortStatusView::showMark() {
    static const PortText kWords[] = {PortText::LinkUp, PortText::LinkNoReply,
                                      PortText::LinkCannotOpen};
    const QColor colour = mark_ == LinkMark::Up        ? kUp
                          : mark_ == LinkMark::NoReply ? kNoReply
                                                       : kCannotOpen;
    QPalette p = mark_label_->palette();
    p.setColor(QPalette::WindowText, colour);
    mark_label_->setPalette(p);
    QString tip = QString::fromStdString(portText(kWords[int(mark_)], language_));
    if (mark_ == LinkMark::CannotOpen && failure_)
        tip += '\n' + openFailureText(*failure_, present_, language_);
    field_->setToolTip(tip);
}

} // namespace vortan
