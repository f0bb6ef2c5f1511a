#pragma once
// One session with the unit and its parameter set, without a window: the set on screen and its
// history, the device operations and the tick, the port choice and the link, the tuner's file,
// the sets the screen is compared with, the unit's identification and the language. It holds the
// rules of a change (one apply path, the change handler, the lock while an operation runs, the
// restore point of a verified program) and tells what happened through its signals; the window
// draws from them, a command line prints them.

#include "files/ParamFile.h"
#include "link/DeviceOperations.h"
#include "link/Link.h"
#include "link/SetLock.h"
#include "link/Tick.h"
#include "monitor/MonitorPacket.h"
#include "params/DeviceImage.h"
#include "params/ImageEditor.h"
#include "params/MapCursor.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace vortan {

class Session : public QObject, private OperationEvents, private TickView {
    Q_OBJECT
public:
    // `link` stays the caller's and outlives the session.
    explicit Session(Link& link, QObject* parent = nullptr);

    // ---- the set and its history --------------------------------------------------------
    const DeviceImage& image() const { return image_; }
    // The set itself, for the start-up steps and the views that fill it (a last image read,
    // the defaults); a change by the tuner goes through apply() or change().
    DeviceImage& image() { return image_; }
    const ImageEditor& editor() const { return editor_; }
    ImageEditor& editor() { return editor_; }

    // Applies one edit, normalised first so that an edit the rules take back leaves no step;
    // true when pages 1 or 2 changed. Tells historyChanged().
    bool apply(const Edit& edit);
    // The change sequence of a command: refused while an operation holds the set (`command`),
    // else the typed values taken first (when `takeTypedFirst`), the edit applied and the change
    // handler run. False when refused.
    bool change(const Edit& edit, SetCommand command = SetCommand::ChangeValues,
                bool takeTypedFirst = true);
    // The typed values read into the set as a committed field (see Edit::key).
    bool takeTyped(int key = -1, bool continues = false);
    // A field committed: arrow clicks on one field carry on one step; typing is a step of its
    // own. Then the change handler.
    bool commitField(int byte, bool stepped);
    // The typed values taken and the change handler run (a check box clicked).
    bool commitTyped();
    // Normalise, show, programming after change.
    void changeHandler();
    // Undo and redo put pages 1 and 2 back and run the change handler like any edit.
    bool undo();
    bool redo();
    // The typed values taken, normalised and shown: before a save, a program or a verify.
    void takeControls() override;
    // True, telling refused(), when `command` is held by the operation running.
    bool refuseWhileLocked(SetCommand command);
    // Why the set is held now; nothing while it is free.
    std::optional<OperationText> lockReason() const;

    // Where the typed values come from (the window's fields); none: the set as it stands.
    void setTypedReader(std::function<void(DeviceImage&)> reader) {
        typedReader_ = std::move(reader);
    }
    // Asked before a program starts (see OperationEvents::confirmProgram); none: it starts.
    void setProgramConfirmation(std::function<bool(bool)> confirm) {
        confirmProgram_ = std::move(confirm);
    }

    // ---- the unit -------------------------------------------------------------------------
    DeviceOperations& operations() { return ops_; }
    const DeviceOperations& operations() const { return ops_; }
    Tick& tick() { return tick_; }
    const Tick& tick() const { return tick_; }
    Link& link() { return link_; }

    // Read, verify, program and compare with the unit; the request goes out from the tick (or
    // at once for verify and program).
    void startRead();
    void startVerify();
    void startProgram();
    void startCompare();
    // True while a program runs, or the verify that ends it.
    bool programming() const;
    // The monitor handler of a tick's first step, for a frame from elsewhere (a test, a bench).
    void takeMonitorFrame(const std::uint8_t* frame) { tick_.takeMonitorFrame(frame, *this); }
    // One tick: the five steps (vortan::Tick), then the lock brought up to date.
    void runTick();
    // Opens `devicePath` on the link: the unit's record is forgotten unless the same device is
    // opened again. False when it cannot be opened.
    bool openPort(const QString& devicePath);
    // The link was lost: what the unit holds is unknown again.
    void linkLost();

    std::uint8_t comPort() const { return comPort_; }
    void setComPort(int port) { comPort_ = static_cast<std::uint8_t>(port); }
    // The unit's identification texts, as page 0 last came (empty until one came).
    const Identification& identification() const { return identification_; }

    // ---- monitor --------------------------------------------------------------------------
    // The packet on screen (live, or a replayed row) and the map cell it marks.
    const MonitorPacket& monitor() const { return monitor_; }
    void setShownPacket(const MonitorPacket& packet) { monitor_ = packet; }
    const MapCursor& cursor() const { return cursor_; }
    // The cursor worked out again from the packet on screen.
    const MapCursor& updateCursor();
    // The sensor voltage of the last live packet: the calibration buttons take it.
    std::uint16_t throttleMillivolts() const { return throttleMillivolts_; }
    void setThrottleMillivolts(std::uint16_t mv) { throttleMillivolts_ = mv; }

    // ---- options --------------------------------------------------------------------------
    std::uint8_t language() const { return language_; }
    void setLanguage(int language);
    bool extMonitor() const { return extMonitor_; }
    // Tells extMonitorChanged() when it changed.
    void setExtMonitor(bool on);
    bool programAfterChange() const { return programAfterChange_; }
    void setProgramAfterChange(bool on) { programAfterChange_ = on; }

    // ---- files ----------------------------------------------------------------------------
    // Saves the set (typed values taken first) to `path`; a box when it cannot be written.
    bool saveFile(const QString& path);
    // Opens a parameter file as one edit and makes it the tuner's file.
    bool openFile(const QString& path);
    // Opens a restore point: shown as `label`, no file counts as saved.
    bool openRestorePoint(const QString& path, const QString& label);
    // The report compares with the set of that file; the screen stays.
    bool compareWithFile(const QString& path);
    // New: the defaults as one edit; no file.
    bool newSet();
    // Makes `path` the tuner's file, holding the set as it is now (after a save or an open).
    void rememberFile(const QString& path);
    // A parameter file's values over a copy of the set; a box when it cannot be read.
    std::optional<DeviceImage> readSetFile(const QString& path, ParamFileResult& result);
    // The set of the file last saved or opened; unknown until one was.
    const std::optional<DeviceImage>& fileSet() const { return fileSet_; }
    // The file set the report compares with: one chosen by Compare with file, else fileSet().
    const std::optional<DeviceImage>& reportFile() const {
        return comparedFile_ ? comparedFile_ : fileSet_;
    }
    // The tuner's file the set came from, saved or opened; empty after New, a read or a
    // restore point opened.
    const QString& currentFile() const { return currentFile_; }
    // Where the file dialogs start: the last file saved or opened.
    const QString& lastFilePath() const { return lastFilePath_; }
    void setLastFilePath(const QString& path) { lastFilePath_ = path; }
    // What the file label shows.
    const QString& fileLabel() const { return fileLabel_; }
    // The file of the last run, as the settings keep it: shown, and the tuner's file again.
    void restoreFile(const QString& path);
    // Values taken from the unit's set as last seen or from the report's file, as one edit.
    bool takeValues(bool fromUnit, const std::vector<int>& bytes);

signals:
    // The set changed: show it (the views, the report).
    void imageChanged();
    // The history changed: the Edit menu.
    void historyChanged();
    // An operation's message for the message label; a failure shows red.
    void messageShown(vortan::Message message);
    // A modal box of a message (compatibility, file version); the compatibility boxes are
    // opened by the window once the tick has returned.
    void messageBoxShown(vortan::Message message);
    // A box of its own words (a file that cannot be opened or written).
    void box(const QString& text, const QString& informative);
    // A line for the status bar.
    void statusLine(const QString& text, int millis);
    void gaugeSet(int value);
    void gaugeAdded(int delta);
    void gaugeVisible(bool visible);
    // The unit's identification came with page 0.
    void identificationChanged();
    // A comparison with the unit has its pages: show the report.
    void comparisonReady();
    // A valid monitor packet from the unit.
    void packetArrived(const vortan::MonitorPacket& packet);
    // The tick's countdown ran out: hide the message and the gauge.
    void messageHidden();
    // Every tick: whether "No Connection" shows.
    void connectionShown(bool noConnection);
    // Step 5 of every tick.
    void cursorDue();
    // The lock of the set changed (the reason, or none).
    void lockChanged();
    // Typed values refused by the lock: the reason for the status bar.
    void refused(vortan::OperationText reason);
    void fileLabelChanged(const QString& label);
    // The file set or the unit's set the report compares with changed.
    void comparedSetsChanged();
    void extMonitorChanged(bool on);
    // The set of the last read as the unit sent it, which the rules corrected: told once the
    // verify after that read has ended.
    void readCorrected(const vortan::DeviceImage& received);
    // The values taken from the unit's set, which the rules may have corrected.
    void valuesTaken(const vortan::DeviceImage& taken, const std::vector<int>& bytes);

private:
    // OperationEvents
    void showMessage(Message message) override;
    void showMessageBox(Message message) override;
    void setGauge(int value) override { emit gaugeSet(value); }
    void addGauge(int delta) override { emit gaugeAdded(delta); }
    void setGaugeVisible(bool visible) override { emit gaugeVisible(visible); }
    void clearFileLabel() override;
    void normaliseAndShow() override;
    void takeRead(const DeviceImage& received) override;
    void showIdentification() override;
    void showComparison() override { emit comparisonReady(); }
    bool confirmProgram(bool afterChange) override;
    // TickView
    void showMonitorValues(const MonitorPacket& packet) override;
    void hideMessage() override { emit messageHidden(); }
    void showNoConnection(bool shown) override;
    void markMapCursor() override { emit cursorDue(); }

    void normalise();
    void checkLock();
    bool openSet(const QString& path);
    void setFileLabel(const QString& label);
    void saveRestorePoint();
    bool differsFromSource(const DeviceImage& set);

    Link& link_;
    bool noConnectionShown_ = false;
    DeviceImage image_;
    ImageEditor editor_{image_};
    DeviceOperations ops_;
    Tick tick_;
    MonitorPacket monitor_;
    MapCursor cursor_;
    std::uint16_t throttleMillivolts_ = 0;
    std::uint8_t language_ = 0;
    std::uint8_t comPort_ = 1;
    bool extMonitor_ = false;
    bool programAfterChange_ = false;
    Identification identification_;
    std::function<void(DeviceImage&)> typedReader_;
    std::function<bool(bool)> confirmProgram_;
    std::optional<OperationText> lock_;
    QString currentFile_;
    QString lastFilePath_;
    QString fileLabel_;
    std::optional<DeviceImage> fileSet_;
    std::optional<DeviceImage> comparedFile_;
    std::optional<DeviceImage> readCorrected_;
    bool programVerifying_ = false; // the running verify was started by a program
    bool lastProgramOk_ = false;    // the last program ended in its verify's success
    bool restoreErrorShown_ = false;

public:
    // The last program ended in its verify's success.
    bool lastProgramOk() const { return lastProgramOk_; }
};

} // namespace vortan
