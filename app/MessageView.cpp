#include "app/MessageView.h"

#include "app/FindChild.h"
#include "app/WindowContext.h"
#include "controls/CGauge.h"
#include "lang/Texts.h"
#include "session/Session.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

namespace vortan {

namespace {
const QColor kRed(0xFF, 0x00, 0x00);
} // namespace

MessageView::MessageView(WindowContext& context) : context_(context) {}

void MessageView::setMessageColour(const QColor& colour) {
    QLabel* label = context_.controls.labelHlaseni;
    QPalette p = label->palette();
    p.setColor(QPalette::Window, colour);
    label->setPalette(p);
}

void MessageView::showMessage(Message message) {
    QLabel* label = context_.controls.labelHlaseni;
    setMessageColour(isFailure(message) ? kRed : context_.window.palette().color(QPalette::Button));
    label->setText(QString::fromStdString(messageText(message, context_.language())));
    if (isStart(message))
        label->show();
    // The unit's replies behind a verify error can be looked at, until the next message.
    context_.controls.buttonDifferences->setVisible(message == Message::VerifyFailed);
}

// The compatibility boxes come from a reply, inside Timer1Timer: they open once the tick has
// returned, since Qt does not re-enter a timer's own slot and a box opened inside it would
// stop the ticks while it is open.
void MessageView::showMessageBox(Message message) {
    auto show = [this, message] {
        context_.showBox(QString::fromStdString(messageText(message, context_.language())));
    };
    if (message == Message::IncompatibleUnit || message == Message::UnsupportedBike)
        QMetaObject::invokeMethod(&context_.window, show, Qt::QueuedConnection);
    else
        show();
}

void MessageView::hideMessage() {
    context_.controls.labelHlaseni->hide();
    context_.controls.buttonDifferences->hide();
    context_.controls.cGauge->hide();
}

void MessageView::showNoConnection(bool shown) {
    QLabel* label = context_.controls.labelSpojeni;
    if (label->isHidden() == shown)
        label->setVisible(shown);
}

void MessageView::showIdentification() {
    const Identification& id = context_.session.identification();
    QMainWindow* window = &context_.window;
    requiredChild<QLabel>(window, "LabelVerze1")->setText(QString::fromStdString(id.version));
    requiredChild<QLabel>(window, "LabelVerze2")->setText(QString::fromStdString(id.date));
    requiredChild<QLabel>(window, "LabelVerze3")->setText(QString::fromStdString(id.time));
}

} // namespace vortan
