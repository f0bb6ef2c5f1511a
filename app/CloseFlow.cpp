// Closing the main window: the questions before the close, the close that waits, the files
// that could not be written, and the close by a signal.

#include "app/CloseFlow.h"

#include "app/ParamView.h"
#include "app/WindowContext.h"
#include "lang/Texts.h"
#include "params/ParamDiff.h"
#include "session/Session.h"
#include "settings/CloseTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace vortan {

namespace {

QString text(CloseText t, int language) {
    return QString::fromStdString(closeText(t, language));
}

} // namespace

CloseFlow::CloseFlow(WindowContext& context, Steps steps)
    : context_(context), steps_(std::move(steps)) {}

void CloseFlow::shutDown(const std::function<std::vector<FailedWrite>()>& steps) {
    if (closed_)
        return;
    closed_ = true;
    writeFailures_ = steps();
}

CloseFacts CloseFlow::closeFacts(CloseRequest request) const {
    CloseFacts f;
    f.request = request;
    f.operation = context_.session.operations().operation;
    f.programming = context_.session.programming();
    f.operationAnswered = operationAnswered_;
    if (context_.session.operations().unitSeen) {
        // The set as the close would take it from the controls.
        DeviceImage onScreen = context_.session.image();
        context_.params.read(onScreen);
        std::uint8_t lang = context_.session.language();
        std::uint8_t port = context_.session.comPort();
        normalise(onScreen, lang, port);
        f.unitDifferences = countDifferences(onScreen, *context_.session.operations().unitSeen);
    }
    f.askToProgram = askToProgram_;
    f.programAsked = programAsked_;
    f.signalWaitOver = signalWaitOver_;
    return f;
}

void CloseFlow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closed_) {
        event->accept();
        return;
    }
    if (signalWaiting_) // a signal's close, once the program has ended
        return;
    if (!signalled_ && !askBeforeClosing())
        return;
    if (signalled_ && closeStep(closeFacts(CloseRequest::Signal)) == CloseStep::WaitForProgram) {
        startSignalWait(); // the signal came while a question was open
        return;
    }
    const bool ticking = context_.controls.timer1->isActive();
    steps_.shutDown();
    if (!writeFailures_.empty() && !signalled_ && !closeDespiteWriteFailures()) {
        resumeAfterCancelledClose(ticking);
        return;
    }
    if (!writeFailures_.empty() && signalled_)
        reportWriteFailuresOnStderr();
    event->accept();
    if (signalled_) // boxes open in nested loops end too
        QCoreApplication::exit(0);
}

bool CloseFlow::askBeforeClosing() {
    switch (closeStep(closeFacts(CloseRequest::User))) {
    case CloseStep::AskAboutOperation: {
        const bool programming = closeFacts(CloseRequest::User).programming;
        const int answer =
            askClose(text(programming ? CloseText::ProgramRunning : CloseText::OperationRunning,
                          context_.language()),
                     {text(CloseText::WaitForEnd, context_.language()),
                      text(CloseText::CloseAnyway, context_.language())},
                     0, false);
        if (answer == 1)
            operationAnswered_ = true;
        else if (answer == 0) // a program that fails keeps the window open and says so
            pendingClose_ = programming ? PendingClose::AfterProgram : PendingClose::AfterOperation;
        return answer != 0;
    }
    case CloseStep::AskToProgramFirst: {
        programAsked_ = true;
        bool dontAsk = false;
        const int differences = closeFacts(CloseRequest::User).unitDifferences;
        const int answer =
            askClose(text(CloseText::ProgramFirst, context_.language()).arg(differences),
                     {text(CloseText::ProgramButton, context_.language()),
                      text(CloseText::CloseButton, context_.language()),
                      text(CloseText::CancelButton, context_.language())},
                     2, false, text(CloseText::DoNotAskAgain, context_.language()), &dontAsk);
        if (answer < 0) // a signal: it closes as signals do
            return true;
        if (answer == 2) {
            programAsked_ = false;
            return false;
        }
        if (dontAsk)
            askToProgram_ = false;
        if (answer == 1)
            return true;
        pendingClose_ = PendingClose::AfterProgram;
        steps_.program();
        return false;
    }
    case CloseStep::CloseAtOnce:
    case CloseStep::NothingToAsk:
    case CloseStep::WaitForProgram:
        break;
    }
    return true;
}

int CloseFlow::askClose(const QString& question, const QStringList& buttons, int escape,
                        bool warning, const QString& checkText, bool* checked) {
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question, kBoxTitle, question,
                    QMessageBox::NoButton, &context_.window);
    box.setObjectName("CloseQuestion");
    std::vector<QAbstractButton*> added;
    for (const QString& b : buttons)
        added.push_back(box.addButton(b, QMessageBox::ActionRole));
    box.setEscapeButton(added[std::size_t(escape)]);
    box.setDefaultButton(static_cast<QPushButton*>(added[std::size_t(escape)]));
    if (checked) {
        auto* check = new QCheckBox(checkText); // the box owns it
        check->setObjectName("CheckBoxDoNotAskAgain");
        box.setCheckBox(check);
    }
    closeBox_ = &box;
    box.exec();
    closeBox_ = nullptr;
    if (checked)
        *checked = box.checkBox()->isChecked();
    if (signalled_)
        return -1;
    for (std::size_t i = 0; i < added.size(); ++i)
        if (box.clickedButton() == added[i])
            return int(i);
    return escape;
}

bool CloseFlow::closeDespiteWriteFailures() {
    const QString report = writeFailureReport(writeFailures_, context_.language()) + "\n\n" +
                           text(CloseText::WriteFailedClose, context_.language());
    const int answer = askClose(report,
                                {text(CloseText::CloseAnyway, context_.language()),
                                 text(CloseText::CancelButton, context_.language())},
                                1, true);
    return answer != 1;
}

void CloseFlow::reportWriteFailuresOnStderr() const {
    const QString report =
        "vortan2: " + writeFailureReport(writeFailures_, context_.language()) + '\n';
    std::fputs(report.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

// The close did not happen: the window runs on as before, with the set it shows.
void CloseFlow::resumeAfterCancelledClose(bool ticking) {
    closed_ = false;
    operationAnswered_ = false;
    programAsked_ = false;
    steps_.resume();
    if (ticking)
        context_.controls.timer1->start();
}

void CloseFlow::watchPendingClose() {
    if (signalWaiting_) {
        if (context_.session.operations().operation == DeviceOperations::Idle ||
            closeStep(closeFacts(CloseRequest::Signal)) != CloseStep::WaitForProgram) {
            signalWaiting_ = false;
            QMetaObject::invokeMethod(
                &context_.window, [this] { finishSignalClose(); }, Qt::QueuedConnection);
        }
        return;
    }
    // Once the tick has returned: a box opened inside it would stop the ticks.
    if (pendingClose_ != PendingClose::None &&
        context_.session.operations().operation == DeviceOperations::Idle && !pendingPosted_) {
        pendingPosted_ = true;
        QMetaObject::invokeMethod(
            &context_.window, [this] { pendingCloseDue(); }, Qt::QueuedConnection);
    }
}

void CloseFlow::pendingCloseDue() {
    pendingPosted_ = false;
    if (closed_ || pendingClose_ == PendingClose::None ||
        context_.session.operations().operation != DeviceOperations::Idle)
        return;
    if (QApplication::activeModalWidget()) // a box of the operation's end first; next tick
        return;
    const PendingClose what = pendingClose_;
    pendingClose_ = PendingClose::None;
    if (what == PendingClose::AfterProgram && !context_.session.lastProgramOk()) {
        programAsked_ = false;
        context_.showBox(
            text(CloseText::ProgramFailed, context_.language())
                .arg(QString::fromStdString(messageText(Message::VerifyOk, context_.language()))));
        return;
    }
    context_.window.close();
}

void CloseFlow::closeOnSignal() {
    const bool again = signalled_;
    signalled_ = true;
    pendingClose_ = PendingClose::None;
    if (closeBox_) { // the close under way goes on as a signal's
        closeBox_->done(QDialog::Rejected);
        return;
    }
    if (closed_) {
        QCoreApplication::exit(0);
        return;
    }
    if (again) // a second signal does not wait
        signalWaitOver_ = true;
    if (closeStep(closeFacts(CloseRequest::Signal)) == CloseStep::WaitForProgram) {
        startSignalWait();
        return;
    }
    signalWaiting_ = false;
    finishSignalClose();
}

void CloseFlow::startSignalWait() {
    if (signalWaiting_)
        return;
    signalWaiting_ = true;
    // The ticks see the program end; this sees the time run out.
    QTimer::singleShot(kSignalProgramWaitMs, &context_.window, [this] {
        signalWaitOver_ = true;
        if (signalWaiting_) {
            signalWaiting_ = false;
            finishSignalClose();
        }
    });
}

void CloseFlow::finishSignalClose() {
    context_.window.close();
    if (!closed_) { // a close event already under way gave none
        steps_.shutDown();
        if (!writeFailures_.empty())
            reportWriteFailuresOnStderr();
    }
    // A message box may be open in a nested event loop: end every loop, not only ours
    // (exit() also works before the main loop has started).
    QCoreApplication::exit(0);
}

} // namespace vortan
