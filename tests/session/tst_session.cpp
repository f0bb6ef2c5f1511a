// The session's rules without a window: every change through one path, a read as one edit,
// the lock while an operation runs, the restore point of a verified program, the compatibility
// refusal and the parameter files, tick by tick against a link without a port and a scripted
// unit.

#include "FakeLink.h"
#include "files/ParamFile.h"
#include "lang/FileProblemTexts.h"
#include "params/ParamDiff.h"
#include "session/Session.h"
#include "settings/RestorePoints.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace vortan;

Q_DECLARE_METATYPE(vortan::Message)
Q_DECLARE_METATYPE(vortan::EditName)
Q_DECLARE_METATYPE(vortan::SetCommand)

namespace {

DeviceImage unitImage(int compatibility = kCompatibilityCode) {
    DeviceImage u;
    setDefaults(u);
    const char name[] = "VRT";
    std::memcpy(u.page(0), name, 3);
    u[Byte::CompatibilityCode] = static_cast<std::uint8_t>(compatibility);
    u[Byte::BikeMask0] = 0x3F;
    u.map(4, 4) = 33;
    return u;
}

// The session on a link without a port, and a unit that answers each request on the next tick
// as a unit holding `unit` would.
struct Rig {
    fake::FakeLink link;
    Session session{link};
    DeviceImage unit = unitImage();
    std::size_t answered = 0;

    Rig() { setDefaults(session.image()); }

    void tick() {
        ++link.ticks;
        session.runTick();
        while (answered < link.sent.size()) {
            const Frame request = link.sent[answered++].frame;
            if (request[0] == Command::Monitor)
                continue;
            const int n = request[0] & Command::PageMask;
            if ((request[0] & 0xC0) == Command::Program && n > 0)
                std::memcpy(unit.page(n), request.data() + 1, kPageSize);
            link.receive(makeFrame(request[0] ^ Command::ReplyBit, unit.page(n)));
        }
    }
    // Ticks until the operation has ended.
    void run() {
        for (int i = 0; i < 200 && !(i > 0 && idle()); ++i)
            tick();
    }
    bool idle() const { return session.operations().operation == DeviceOperations::Idle; }
};

int restorePointCount() {
    return QDir(restorePointFolder()).entryList({"*.ign"}, QDir::Files).size();
}

} // namespace

class tst_session : public QObject {
    Q_OBJECT
private slots:
    void changesAreOneStep_data();
    void changesAreOneStep();
    void lockedDuringAnOperation_data();
    void lockedDuringAnOperation();
    void readIsOneNamedEdit();
    void restorePointAfterAVerifiedProgram_data();
    void restorePointAfterAVerifiedProgram();
    void compatibilityRefusal_data();
    void compatibilityRefusal();
    void programAfterChange_data();
    void programAfterChange();
    void filesRoundTrip();
    void damagedFileIsTold();
    void unreadableFiles_data();
    void unreadableFiles();
};

// Each change of the set is the edit's step, with the typed values taken first where the
// command does so; undo puts back the set before it.
void tst_session::changesAreOneStep_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<EditName>("name");
    QTest::newRow("typed field") << 0 << EditName::Field;
    QTest::newRow("advance +") << 1 << EditName::AdvancePlus;
    QTest::newRow("column up") << 2 << EditName::ColumnUp;
    QTest::newRow("set tps 100") << 3 << EditName::SetTps100;
    QTest::newRow("new") << 4 << EditName::New;
}

void tst_session::changesAreOneStep() {
    QFETCH(int, kind);
    QFETCH(EditName, name);
    Rig rig;
    Session& s = rig.session;
    s.image().map(2, 2) = 20;
    const DeviceImage before = s.image();
    s.setTypedReader([](DeviceImage& typed) { typed.map(2, 2) = 25; });
    s.setThrottleMillivolts(4000);
    QSignalSpy shown(&s, &Session::imageChanged);
    EditInputs at;
    at.cursor.belowMap = false;
    at.cursor.row = 2;
    at.cursor.column = 2;
    switch (kind) {
    case 0:
        QVERIFY(s.commitTyped());
        break;
    case 1:
        QVERIFY(s.change(advanceEdit(+1, at)));
        break;
    case 2:
        QVERIFY(s.change(columnShiftEdit(2, +1, false)));
        break;
    case 3:
        QVERIFY(s.change(tps100Edit(s.throttleMillivolts()), SetCommand::ChangeValues, false));
        break;
    default:
        QVERIFY(s.newSet());
    }
    QVERIFY(s.image() != before);
    QCOMPARE(s.editor().undoName(), std::optional<EditName>(name));
    QCOMPARE(shown.count(), 1);
    // A typed value before a button is a step of its own.
    QCOMPARE(s.editor().steps(), std::size_t(kind == 1 || kind == 2 ? 2 : 1));
    while (s.undo()) {
    }
    QCOMPARE(s.image(), before);
}

void tst_session::lockedDuringAnOperation_data() {
    QTest::addColumn<SetCommand>("command");
    QTest::newRow("change values") << SetCommand::ChangeValues;
    QTest::newRow("undo") << SetCommand::UndoRedo;
    QTest::newRow("new") << SetCommand::NewSet;
    QTest::newRow("open") << SetCommand::OpenSet;
}

// While a read runs no command changes the set: it is refused with the reason, and the set and
// its history stay.
void tst_session::lockedDuringAnOperation() {
    QFETCH(SetCommand, command);
    Rig rig;
    Session& s = rig.session;
    s.change(columnShiftEdit(0, +1, false));
    QSignalSpy lock(&s, &Session::lockChanged);
    s.startRead();
    QCOMPARE(lock.count(), 1);
    QVERIFY(s.lockReason().has_value());
    const DeviceImage before = s.image();
    QSignalSpy refused(&s, &Session::refused);
    bool done = true;
    switch (command) {
    case SetCommand::ChangeValues:
        done = s.change(columnShiftEdit(0, +1, false));
        break;
    case SetCommand::UndoRedo:
        done = s.undo();
        break;
    case SetCommand::NewSet:
        done = s.newSet();
        break;
    default:
        done = s.openFile(QDir::temp().filePath("any.ign"));
    }
    QVERIFY(!done);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(s.image(), before);
    QCOMPARE(s.editor().steps(), std::size_t(1));
    rig.run();
    QVERIFY(!s.lockReason().has_value());
    QVERIFY(lock.count() >= 2); // free again
}

// The unit's pages arrive as one edit named Read: undo puts back the set the read began from,
// page 0 brings the identification, and the read ends in its verify.
void tst_session::readIsOneNamedEdit() {
    Rig rig;
    Session& s = rig.session;
    s.change(columnShiftEdit(3, -1, false));
    const DeviceImage before = s.image();
    QSignalSpy messages(&s, &Session::messageShown);
    QSignalSpy identified(&s, &Session::identificationChanged);
    const int points = restorePointCount();
    s.startRead();
    rig.run();
    QCOMPARE(messages.count(), 3);
    QCOMPARE(messages.at(0).at(0).value<Message>(), Message::ReadStarted);
    QCOMPARE(messages.at(1).at(0).value<Message>(), Message::VerifyStartedAuto);
    QCOMPARE(messages.at(2).at(0).value<Message>(), Message::VerifyOk);
    QCOMPARE(identified.count(), 1);
    QCOMPARE(s.identification().version, formatIdentification(rig.unit).version);
    QCOMPARE(s.image().map(4, 4), 33);
    QCOMPARE(s.editor().steps(), std::size_t(2));
    QCOMPARE(s.editor().undoName(), std::optional<EditName>(EditName::Read));
    QCOMPARE(restorePointCount(), points); // only a program leaves one
    QVERIFY(s.undo());
    QCOMPARE(std::memcmp(s.image().page(1), before.page(1), 2 * kPageSize), 0);
    QCOMPARE(std::memcmp(s.image().page(0), rig.unit.page(0), kPageSize), 0); // the unit's
}

void tst_session::restorePointAfterAVerifiedProgram_data() {
    QTest::addColumn<bool>("unitAnswers");
    QTest::addColumn<Message>("last");
    QTest::addColumn<int>("points");
    QTest::newRow("verified") << true << Message::VerifyOk << 1;
    QTest::newRow("silent unit") << false << Message::ProgramFailed << 0;
}

// A program whose verify ends OK keeps the set the unit holds as a restore point.
void tst_session::restorePointAfterAVerifiedProgram() {
    QFETCH(bool, unitAnswers);
    QFETCH(Message, last);
    QFETCH(int, points);
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qputenv("LOCALAPPDATA", data.path().toLocal8Bit()); // on Windows
    Rig rig;
    Session& s = rig.session;
    if (!unitAnswers)
        rig.link.lost = true;
    s.change(columnShiftEdit(2, +1, false));
    QSignalSpy messages(&s, &Session::messageShown);
    s.startProgram();
    rig.run();
    QCOMPARE(messages.last().at(0).value<Message>(), last);
    const QStringList kept = listRestorePoints(restorePointFolder());
    QCOMPARE(kept.size(), points);
    QCOMPARE(s.lastProgramOk(), points == 1);
    if (kept.isEmpty())
        return;
    QFile file(restorePointFolder() + '/' + kept.front()); // the set the unit holds
    QVERIFY(file.open(QIODevice::ReadOnly));
    DeviceImage opened;
    setDefaults(opened);
    QVERIFY(readParamFile(file.readAll().toStdString(), opened).headerFound);
    QCOMPARE(countDifferences(opened, s.image()), 0);
}

void tst_session::compatibilityRefusal_data() {
    QTest::addColumn<bool>("program");
    QTest::addColumn<int>("compatibility");
    QTest::addColumn<int>("bikeMask");
    QTest::addColumn<Message>("box");
    QTest::newRow("read, other code") << false << 14 << 0x3F << Message::IncompatibleUnit;
    QTest::newRow("program, other code") << true << 14 << 0x3F << Message::IncompatibleUnit;
    QTest::newRow("program, type unknown") << true << 15 << 0x00 << Message::UnsupportedBike;
}

// A unit of another kind, or one that does not know the set's motorbike type, ends the
// operation at page 0 with the box, and the set's pages stay as they were.
void tst_session::compatibilityRefusal() {
    QFETCH(bool, program);
    QFETCH(int, compatibility);
    QFETCH(int, bikeMask);
    QFETCH(Message, box);
    Rig rig;
    Session& s = rig.session;
    rig.unit = unitImage(compatibility);
    rig.unit[Byte::BikeMask0] = static_cast<std::uint8_t>(bikeMask);
    rig.unit.map(4, 4) = 40;
    const DeviceImage before = s.image();
    QSignalSpy boxes(&s, &Session::messageBoxShown);
    program ? s.startProgram() : s.startRead();
    rig.run();
    QVERIFY(rig.idle());
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.at(0).at(0).value<Message>(), box);
    QCOMPARE(std::memcmp(s.image().page(1), before.page(1), 2 * kPageSize), 0);
    QCOMPARE(rig.link.operationCommands().size(), std::size_t(1));
}

void tst_session::programAfterChange_data() {
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<int>("operation");
    QTest::newRow("ticked") << true << true << int(DeviceOperations::Program);
    QTest::newRow("ticked, held back") << true << false << int(DeviceOperations::Idle);
    QTest::newRow("not ticked") << false << true << int(DeviceOperations::Idle);
}

// The change handler programs the changed set when the option is on and the tuner allows it.
void tst_session::programAfterChange() {
    QFETCH(bool, ticked);
    QFETCH(bool, confirmed);
    QFETCH(int, operation);
    Rig rig;
    Session& s = rig.session;
    s.setProgramAfterChange(ticked);
    int asked = 0;
    s.setProgramConfirmation([&](bool afterChange) {
        ++asked;
        return afterChange && confirmed;
    });
    s.change(columnShiftEdit(1, +1, false));
    QCOMPARE(int(s.operations().operation), operation);
    QCOMPARE(asked, ticked ? 1 : 0);
}

// Saved and opened again: the file's set, the extended-monitor option it carries, the file as
// the label and the set compared with; a restore point opened counts as no file.
void tst_session::filesRoundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath("set.ign");
    Rig rig;
    Session& s = rig.session;
    s.setExtMonitor(true);
    s.change(columnShiftEdit(5, +1, false));
    const DeviceImage saved = s.image();
    QSignalSpy label(&s, &Session::fileLabelChanged);
    QVERIFY(s.saveFile(path));
    QCOMPARE(s.fileLabel(), QFileInfo(path).absoluteFilePath());
    QCOMPARE(s.currentFile(), s.fileLabel());
    QCOMPARE(s.fileSet(), std::optional<DeviceImage>(saved));
    QVERIFY(s.newSet());
    QVERIFY(s.currentFile().isEmpty());
    s.setExtMonitor(false);
    QSignalSpy ext(&s, &Session::extMonitorChanged);
    QSignalSpy status(&s, &Session::statusLine);
    QVERIFY(s.openFile(path));
    QCOMPARE(status.count(), 0); // a whole file: nothing to tell
    QCOMPARE(std::memcmp(s.image().page(1), saved.page(1), 2 * kPageSize), 0);
    QCOMPARE(s.editor().undoName(), std::optional<EditName>(EditName::OpenFile));
    QCOMPARE(ext.count(), 1);
    QVERIFY(s.extMonitor());
    QVERIFY(s.openRestorePoint(path, "restore point"));
    QCOMPARE(s.fileLabel(), QString("restore point"));
    QVERIFY(s.currentFile().isEmpty());
    QVERIFY(!s.fileSet());
    QCOMPARE(label.count(), 4); // save, New, open, restore point
}

// A file cut off opens as Open reads it, and the status line says what it lacks.
void tst_session::damagedFileIsTold() {
    QTemporaryDir dir;
    const QString path = dir.filePath("cut.ign");
    Rig rig;
    Session& s = rig.session;
    std::string text = writeParamFile(s.image(), false, "\n");
    text.resize(text.find("ADVANCE") + 100);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray::fromStdString(text));
    f.close();
    QSignalSpy status(&s, &Session::statusLine);
    QVERIFY(s.openFile(path));
    QCOMPARE(status.count(), 1);
    const QString line = status.at(0).at(0).toString();
    QVERIFY2(line.startsWith(QString::fromStdString(fileProblemsHeading(s.language()))),
             qPrintable(line));
    QVERIFY2(line.contains("NAP_PRIV"), qPrintable(line));
}

void tst_session::unreadableFiles_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("versionBox");
    QTest::newRow("missing") << QByteArray() << false << false;
    QTest::newRow("no header") << QByteArray("a=1\n") << true << true;
}

// A file that cannot be read changes nothing and says why.
void tst_session::unreadableFiles() {
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    QFETCH(bool, versionBox);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.ign");
    if (exists) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }
    Rig rig;
    Session& s = rig.session;
    const DeviceImage before = s.image();
    QSignalSpy boxes(&s, &Session::box);
    QSignalSpy messageBoxes(&s, &Session::messageBoxShown);
    QVERIFY(!s.openFile(path));
    QCOMPARE(boxes.count(), versionBox ? 0 : 1);
    QCOMPARE(messageBoxes.count(), versionBox ? 1 : 0);
    QCOMPARE(s.image(), before);
    QCOMPARE(s.editor().steps(), std::size_t(0));
    QVERIFY(s.fileLabel().isEmpty());
}

QTEST_GUILESS_MAIN(tst_session)
#include "tst_session.moc"
