// Closing the main window: the questions before the close (an operation that runs, a set the
// unit does not hold), the report of settings files that could not be written, and the close
// by a signal. The close itself is FormClose.

#include "app/Hlav.h"
#include "app/ParamView.h"
#include "app/WindowContext.h"
#include "lang/Texts.h"
#include "link/CloseDecision.h"
#include "params/ParamDiff.h"
#include "settings/CloseTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

using namespace vortan;

namespace {

QString text(CloseText t, int language) {
    return QString::fromStdString(closeText(t, language));
}

} // namespace

CloseFacts TFormHlav::closeFacts(CloseRequest request) const {
    CloseFacts f;
    f.request = request;
    f.operation = session_->operations().operation;
    f.programming = session_->programming();
    f.operationAnswered = operationAnswered_;
    if (session_->operations().unitSeen) {
        // The set as the close would take it from the controls.
        DeviceImage onScreen = session_->image();
        params_->read(onScreen);
        std::uint8_t lang = session_->language();
        std::uint8_t port = session_->comPort();
        normalise(onScreen, lang, port);
        f.unitDifferences = countDifferences(onScreen, *session_->operations().unitSeen);
    }
    f.askToProgram = askToProgram_;
    f.programAsked = programAsked_;
    f.signalWaitOver = signalWaitOver_;
    return f;
}

void TFormHlav::closeEvent(QCloseEvent* event) {
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
    const bool ticking = context_->controls.timer1->isActive();
    FormClose();
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

bool TFormHlav::askBeforeClosing() {
    switch (closeStep(closeFacts(CloseRequest::User))) {
    case CloseStep::AskAboutOperation: {
        const bool programming = closeFacts(CloseRequest::User).programming;
        const int answer =
            askClose(text(programming ? CloseText::ProgramRunning : CloseText::OperationRunning,
                          session_->language()),
                     {text(CloseText::WaitForEnd, session_->language()),
                      text(CloseText::CloseAnyway, session_->language())},
                     0, false);
        if (answer == 1)
            operationAnswered_ = true;
        else if (answer == 0)
            pendingClose_ = PendingClose::AfterOperation;
        return answer != 0;
    }
    case CloseStep::AskToProgramFirst: {
        programAsked_ = true;
        bool dontAsk = false;
        const int differences = closeFacts(CloseRequest::User).unitDifferences;
        const int answer =
            askClose(text(CloseText::ProgramFirst, session_->language()).arg(differences),
                     {text(CloseText::ProgramButton, session_->language()),
                      text(CloseText::CloseButton, session_->language()),
                      text(CloseText::CancelButton, session_->language())},
                     2, false, text(CloseText::DoNotAskAgain, session_->language()), &dontAsk);
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
        MenuProgramClick();
        return false;
    }
    case CloseStep::CloseAtOnce:
    case CloseStep::NothingToAsk:
    case CloseStep::WaitForProgram:
        break;
    }
    return true;
}

int TFormHlav::askClose(const QString& question, const QStringList& buttons, int escape,
                        bool warning, const QString& checkText, bool* checked) {
    QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Question, kBoxTitle, question,
                    QMessageBox::NoButton, this);
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

bool TFormHlav::closeDespiteWriteFailures() {
    const QString report = writeFailureReport(writeFailures_, session_->language()) + "\n\n" +
                           text(CloseText::WriteFailedClose, session_->language());
    const int answer = askClose(report,
                                {text(CloseText::CloseAnyway, session_->language()),
                                 text(CloseText::CancelButton, session_->language())},
                                1, true);
    return answer != 1;
}

void TFormHlav::reportWriteFailuresOnStderr() const {
    const QString report =
        "vortan2: " + writeFailureReport(writeFailures_, session_->language()) + '\n';
    std::fputs(report.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

// The close did not happen: the window runs on as before, with the set it shows.
void TFormHlav::resumeAfterCancelledClose(bool ticking) {
    closed_ = false;
    operationAnswered_ = false;
    programAsked_ = false;
    ShowImage();
    openPort();
    if (ticking)
        context_->controls.timer1->start();
}

void TFormHlav::watchPendingClose() {
    if (signalWaiting_) {
        if (session_->operations().operation == DeviceOperations::Idle ||
            closeStep(closeFacts(CloseRequest::Signal)) != CloseStep::WaitForProgram) {
            signalWaiting_ = false;
            QMetaObject::invokeMethod(this, &TFormHlav::finishSignalClose, Qt::QueuedConnection);
        }
        return;
    }
    // Once the tick has returned: a box opened inside it would stop the ticks.
    if (pendingClose_ != PendingClose::None &&
        session_->operations().operation == DeviceOperations::Idle && !pendingPosted_) {
        pendingPosted_ = true;
        QMetaObject::invokeMethod(this, &TFormHlav::pendingCloseDue, Qt::QueuedConnection);
    }
}

void TFormHlav::pendingCloseDue() {
    pendingPosted_ = false;
    if (closed_ || pendingClose_ == PendingClose::None ||
        session_->operations().operation != DeviceOperations::Idle)
        return;
    if (QApplication::activeModalWidget()) // a box of the operation's end first; next tick
        return;
    const PendingClose what = pendingClose_;
    pendingClose_ = PendingClose::None;
    if (what == PendingClose::AfterProgram && !session_->lastProgramOk()) {
        programAsked_ = false;
        showBox(
            text(CloseText::ProgramFailed, session_->language())
                .arg(QString::fromStdString(messageText(Message::VerifyOk, session_->language()))));
        return;
    }
    close();
}

void TFormHlav::closeOnSignal() {
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

void TFormHlav::startSignalWait() {
    if (signalWaiting_)
        return;
    signalWaiting_ = true;
    // The ticks see the program end; this sees the time run out.
    QTimer::singleShot(kSignalProgramWaitMs, this, [this] {
        signalWaitOver_ = true;
        if (signalWaiting_) {
            signalWaiting_ = false;
            finishSignalClose();
        }
    });
}

void TFormHlav::finishSignalClose() {
    close();
    if (!closed_) { // a close event already under way gave none
        FormClose();
        if (!writeFailures_.empty())
            reportWriteFailuresOnStderr();
    }
    // A message box may be open in a nested event loop: end every loop, not only ours
    // (exit() also works before the main loop has started).
    QCoreApplication::exit(0);
}
