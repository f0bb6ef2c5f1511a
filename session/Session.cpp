#include "session/Session.h"

#include "files/RegularFile.h"
#include "lang/FileProblemTexts.h"
#include "lang/Texts.h"
#include "params/Corrections.h"
#include "params/ParamDiff.h"
#include "settings/RestorePoints.h"
#include "settings/RestoreTexts.h"

#include <QDateTime>
#include <QFileInfo>

namespace vortan {

namespace {
#ifdef Q_OS_WIN
const char* const kEol = "\r\n";
#else
const char* const kEol = "\n";
#endif

// Largest parameter file we accept: far beyond any real one, small enough to never hurt.
constexpr qint64 kMaxParamFileSize = 16 * 1024 * 1024;
} // namespace

Session::Session(Link& link, QObject* parent)
    : QObject(parent), link_(link), ops_(image_, link_, *this), tick_(link_, ops_) {}

// ---- the set and its history -----------------------------------------------------------

void Session::normalise() {
    vortan::normalise(image_, language_, comPort_);
}

bool Session::apply(const Edit& edit) {
    const bool changed = editor_.apply(normalisedEdit(edit));
    emit historyChanged();
    return changed;
}

bool Session::takeTyped(int key, bool continues) {
    DeviceImage typed = image_;
    if (typedReader_)
        typedReader_(typed);
    return apply(valuesEdit(EditName::Field, typed, key, continues));
}

bool Session::change(const Edit& edit, SetCommand command, bool takeTypedFirst) {
    if (refuseWhileLocked(command))
        return false;
    if (takeTypedFirst)
        takeTyped();
    apply(edit);
    changeHandler();
    return true;
}

bool Session::commitField(int byte, bool stepped) {
    if (refuseWhileLocked(SetCommand::ChangeValues))
        return false;
    if (stepped)
        takeTyped(byte, true);
    else
        takeTyped();
    changeHandler();
    return true;
}

bool Session::commitTyped() {
    if (refuseWhileLocked(SetCommand::ChangeValues))
        return false;
    takeTyped();
    changeHandler();
    return true;
}

void Session::changeHandler() {
    normalise();
    emit imageChanged();
    ops_.programAfterChange(programAfterChange_);
    checkLock();
}

bool Session::undo() {
    if (refuseWhileLocked(SetCommand::UndoRedo) || !editor_.undo())
        return false;
    emit historyChanged();
    changeHandler();
    return true;
}

bool Session::redo() {
    if (refuseWhileLocked(SetCommand::UndoRedo) || !editor_.redo())
        return false;
    emit historyChanged();
    changeHandler();
    return true;
}

bool Session::refuseWhileLocked(SetCommand command) {
    if (!lockedDuring(command, ops_.operation))
        return false;
    if (const std::optional<OperationText> reason = lockReason())
        emit refused(*reason);
    return true;
}

std::optional<OperationText> Session::lockReason() const {
    return vortan::lockReason(ops_.operation);
}

void Session::checkLock() {
    const std::optional<OperationText> reason = lockReason();
    if (reason == lock_)
        return;
    lock_ = reason;
    emit lockChanged();
}

bool Session::newSet() {
    if (!change(newEdit(), SetCommand::NewSet, false))
        return false;
    setFileLabel({});
    currentFile_.clear();
    return true;
}

bool Session::takeValues(bool fromUnit, const std::vector<int>& bytes) {
    const std::optional<DeviceImage>& from = fromUnit ? ops_.unitSeen : reportFile();
    if (!from || bytes.empty() || refuseWhileLocked(SetCommand::OpenSet))
        return false;
    DeviceImage taken = image_;
    for (const int b : bytes)
        taken[b] = (*from)[b];
    apply(valuesEdit(fromUnit ? EditName::TakeUnit : EditName::TakeFile, taken));
    changeHandler();
    if (fromUnit)
        emit valuesTaken(taken, bytes);
    return true;
}

// ---- the unit --------------------------------------------------------------------------

void Session::startRead() {
    ops_.startRead();
    checkLock();
}
void Session::startVerify() {
    ops_.startVerify();
    checkLock();
}
void Session::startProgram() {
    ops_.startProgram();
    checkLock();
}
void Session::startCompare() {
    ops_.startCompare();
    checkLock();
}

bool Session::programming() const {
    return ops_.operation == DeviceOperations::Program ||
           (ops_.operation == DeviceOperations::Verify && programVerifying_);
}

void Session::runTick() {
    tick_.run(*this);
    checkLock();
}

bool Session::openPort(const QString& devicePath) {
    UnitEventFacts opened;
    opened.event = UnitEvent::PortOpened;
    opened.sameDevice = devicePath == link_.devicePath();
    if (forgetsUnitRecord(opened))
        ops_.forgetUnit(); // the status and the marks follow on the next tick
    return link_.open(devicePath);
}

void Session::showNoConnection(bool shown) {
    if (shown && !noConnectionShown_) {
        UnitEventFacts silent;
        silent.event = UnitEvent::LinkSilent;
        if (forgetsUnitRecord(silent))
            ops_.forgetUnit();
    }
    noConnectionShown_ = shown;
    emit connectionShown(shown);
}

void Session::linkLost() {
    UnitEventFacts lost;
    lost.event = UnitEvent::LinkLost;
    if (forgetsUnitRecord(lost))
        ops_.forgetUnit();
}

const MapCursor& Session::updateCursor() {
    cursor_ = computeMapCursor(monitor_.rpm, monitor_.tpsPercent, image_);
    return cursor_;
}

void Session::showMessage(Message message) {
    // A program ends in a verify of its own; the one that ends OK leaves a restore point.
    if (message == Message::ProgramStarted)
        programVerifying_ = true;
    else if (message == Message::VerifyOk && programVerifying_)
        saveRestorePoint();
    if (!isStart(message) || message == Message::ProgramStarted)
        lastProgramOk_ = message == Message::VerifyOk && programVerifying_;
    if (message != Message::ProgramStarted && message != Message::VerifyStartedAuto)
        programVerifying_ = false;
    tick_.messageShown();
    emit messageShown(message);
    // The rules' corrections of a read are told after the verify's own message.
    if (message == Message::VerifyStartedAuto || !readCorrected_)
        return;
    const DeviceImage received = *readCorrected_;
    readCorrected_.reset();
    if (message == Message::VerifyFailed || message == Message::VerifyOk)
        emit readCorrected(received); // else another operation took over
}

void Session::showMessageBox(Message message) {
    emit messageBoxShown(message);
}

void Session::clearFileLabel() {
    setFileLabel({});
    currentFile_.clear();
}

void Session::takeControls() {
    takeTyped();
    normalise();
    emit imageChanged();
}

void Session::normaliseAndShow() {
    normalise();
    emit imageChanged();
}

// The unit's pages become one edit of the history, from the set as it stood.
void Session::takeRead(const DeviceImage& received) {
    apply(valuesEdit(EditName::Read, received));
    DeviceImage shown = received;
    vortan::normalise(shown);
    if (received == shown)
        readCorrected_.reset();
    else
        readCorrected_ = received;
    normaliseAndShow();
}

void Session::showIdentification() {
    identification_ = formatIdentification(image_);
    emit identificationChanged();
}

bool Session::confirmProgram(bool afterChange) {
    return !confirmProgram_ || confirmProgram_(afterChange);
}

// The calibration buttons take the sensor's voltage of a live packet, never that of a
// replayed row.
void Session::showMonitorValues(const MonitorPacket& packet) {
    throttleMillivolts_ = static_cast<std::uint16_t>(rawToMillivolts(packet.tpsRaw));
    emit packetArrived(packet);
}

// ---- options ---------------------------------------------------------------------------

void Session::setLanguage(int language) {
    language_ = static_cast<std::uint8_t>(language);
}

void Session::setExtMonitor(bool on) {
    if (extMonitor_ == on)
        return;
    extMonitor_ = on;
    emit extMonitorChanged(on);
}

// ---- files -----------------------------------------------------------------------------

void Session::setFileLabel(const QString& label) {
    fileLabel_ = label;
    emit fileLabelChanged(label);
}

void Session::restoreFile(const QString& path) {
    setFileLabel(path);
    currentFile_ = !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

bool Session::saveFile(const QString& path) {
    // The typed values are taken only once the file could be opened.
    const bool saved = writeRegularFile(path, [this] {
        takeControls();
        return QByteArray::fromStdString(writeParamFile(image_, extMonitor_, kEol));
    });
    if (!saved) {
        emit box(kOpenFileError, {});
        return false;
    }
    rememberFile(path);
    return true;
}

// After a save or an open: the file's set is what the screen now holds, its path is shown and
// becomes the dialogs' start, and the report compares with it again.
void Session::rememberFile(const QString& path) {
    fileSet_ = image_;
    comparedFile_.reset();
    const QString full = QFileInfo(path).absoluteFilePath();
    lastFilePath_ = full;
    currentFile_ = full;
    setFileLabel(full);
    emit comparedSetsChanged();
}

std::optional<DeviceImage> Session::readSetFile(const QString& path, ParamFileResult& result) {
    const std::optional<QByteArray> bytes = readRegularFile(path, kMaxParamFileSize);
    if (!bytes) {
        emit box(kOpenFileError, {});
        return std::nullopt;
    }
    DeviceImage read = image_;
    result = readParamFile(bytes->toStdString(), read);
    if (!result.headerFound) {
        emit messageBoxShown(Message::FileVersion);
        return std::nullopt;
    }
    return read;
}

bool Session::openSet(const QString& path) {
    if (refuseWhileLocked(SetCommand::OpenSet))
        return false;
    ParamFileResult result;
    const std::optional<DeviceImage> read = readSetFile(path, result);
    if (!read)
        return false;
    apply(valuesEdit(EditName::OpenFile, *read));
    if (result.extMonitor)
        setExtMonitor(*result.extMonitor);
    changeHandler();
    // Beside the specified Open, not in its way: the tuner learns the set is not all the file's.
    if (!result.problems.empty())
        emit statusLine(QString::fromStdString(fileProblemsLine(result.problems, language_)), 0);
    return true;
}

bool Session::openFile(const QString& path) {
    if (!openSet(path))
        return false;
    rememberFile(path);
    return true;
}

// A restore point is no file of the tuner's: the label says what it is, nothing counts as
// saved, and the dialogs keep starting where the tuner's files are.
bool Session::openRestorePoint(const QString& path, const QString& label) {
    if (!openSet(path))
        return false;
    fileSet_.reset();
    comparedFile_.reset();
    currentFile_.clear();
    setFileLabel(label);
    emit comparedSetsChanged();
    return true;
}

// Read as Open reads, into a copy: the set, the history and the file label stay.
bool Session::compareWithFile(const QString& path) {
    ParamFileResult result;
    std::optional<DeviceImage> read = readSetFile(path, result);
    if (!read)
        return false;
    std::uint8_t lang = language_;
    std::uint8_t port = comPort_;
    vortan::normalise(*read, lang, port);
    comparedFile_ = read;
    emit comparedSetsChanged();
    return true;
}

bool Session::differsFromSource(const DeviceImage& set) {
    if (fileSet_)
        return countDifferences(set, *fileSet_) != 0;
    // The file named by the last run, as it is now; one that cannot be read vouches for nothing.
    const std::optional<QByteArray> bytes = readRegularFile(currentFile_, kMaxParamFileSize);
    DeviceImage file = set;
    if (!bytes || !readParamFile(bytes->toStdString(), file).headerFound)
        return true;
    std::uint8_t lang = language_;
    std::uint8_t port = comPort_;
    vortan::normalise(file, lang, port);
    return countDifferences(set, file) != 0;
}

// The set the verify agreed with, not the screen's, is what the unit holds.
void Session::saveRestorePoint() {
    if (!ops_.lastVerified)
        return;
    const DeviceImage& verified = *ops_.lastVerified;
    const QString folder = restorePointFolder();
    const QString name =
        restorePointName(QDateTime::currentDateTime(),
                         QString::fromStdString(formatIdentification(verified).version));
    const QByteArray text = QByteArray::fromStdString(writeParamFile(verified, extMonitor_, kEol));
    RestoreSource source{currentFile_, std::nullopt};
    if (!currentFile_.isEmpty())
        source.edited = differsFromSource(verified);
    if (writeRestorePoint(folder, name, text, source) || restoreErrorShown_)
        return;
    restoreErrorShown_ = true;
    emit statusLine(
        QString::fromStdString(restoreText(RestoreText::WriteFailed, language_)).arg(folder), 0);
}

} // namespace vortan
