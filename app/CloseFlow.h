#pragma once
// Closing the main window: the questions before the close (an operation that runs, a set the
// unit does not hold), a close that waits for an operation or a program to end, the report of
// settings files that could not be written, and the close by a signal. The shut-down steps are
// the window's (FormClose); they run once, at the right moment.

#include "link/CloseDecision.h"
#include "settings/SettingsWriteReport.h"

#include <QStringList>
#include <functional>
#include <vector>

class QCloseEvent;
class QDialog;

namespace vortan {

struct WindowContext;

class CloseFlow {
public:
    // What the close runs of the window.
    struct Steps {
        // The window's shut-down (FormClose), which runs shutDown() below.
        std::function<void()> shutDown;
        // A close given up: the window runs on with the set it shows and its port.
        std::function<void()> resume;
        // Device › Program, for a close that programs the set first.
        std::function<void()> program;
    };

    CloseFlow(WindowContext& context, Steps steps);
    CloseFlow(const CloseFlow&) = delete;
    CloseFlow& operator=(const CloseFlow&) = delete;

    // True once the shut-down has run (a signal may close the window during start-up).
    bool closed() const { return closed_; }
    // The shut-down `steps`, unless they have run; the settings files they could not write
    // are kept for the close's report.
    void shutDown(const std::function<std::vector<FailedWrite>()>& steps);
    // The window's close event: asked, waited for, given up or accepted.
    void closeEvent(QCloseEvent* event);
    // SIGTERM or SIGINT: closes without a question; a program of the unit that runs is let
    // end with its verify first, for at most kSignalProgramWaitMs. Files that cannot be
    // written are reported on standard error.
    void closeOnSignal();
    // Each tick: a close that waits for an operation to end.
    void watchPendingClose();
    // The question to program first is asked (not "do not ask again"); kept in the settings.
    bool askToProgram() const { return askToProgram_; }
    void setAskToProgram(bool ask) { askToProgram_ = ask; }

private:
    CloseFacts closeFacts(CloseRequest request) const;
    // The questions before the close; true when the close goes on (also when a signal came).
    bool askBeforeClosing();
    bool closeDespiteWriteFailures();
    // A box of the close with these buttons: the index of the one clicked; `escape` when the
    // box was closed, and -1 when a signal ended it.
    // With `checked`, the box has a check box of `checkText` whose state it gets.
    // A warning shows the warning icon, otherwise a question's.
    int askClose(const QString& text, const QStringList& buttons, int escape, bool warning,
                 const QString& checkText = {}, bool* checked = nullptr);
    void resumeAfterCancelledClose(bool ticking);
    void pendingCloseDue();
    void startSignalWait();
    void finishSignalClose();
    void reportWriteFailuresOnStderr() const;

    WindowContext& context_;
    Steps steps_;
    bool closed_ = false;
    // A close asked for while an operation ran or that programs first: done once it ended.
    enum class PendingClose { None, AfterOperation, AfterProgram };
    PendingClose pendingClose_ = PendingClose::None;
    bool pendingPosted_ = false;
    bool operationAnswered_ = false;         // "Close anyway" while an operation runs
    bool programAsked_ = false;              // the question to program first, asked in this close
    bool askToProgram_ = true;               // not "do not ask again"
    bool signalled_ = false;                 // a signal closes the window
    bool signalWaiting_ = false;             // ... once the running program has ended
    bool signalWaitOver_ = false;            // ... or once the time for that has run out
    QDialog* closeBox_ = nullptr;            // the box of the close while it is open
    std::vector<FailedWrite> writeFailures_; // of the last shut-down
};

} // namespace vortan
