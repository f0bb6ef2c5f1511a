// The main window's file commands on hostile files: huge, long-worded, binary, vanished or
// special files, folders it may not write and a full disk. Never a crash, never a
// half-written file, and the message the window gives for it.

#include "BigFile.h"
#include "CloseBoxes.h"
#include "Unprivileged.h"
#include "WindowFixture.h"
#include "files/ParamFile.h"
#include "settings/CloseTexts.h"
#include "settings/Settings.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace vortan;

namespace {

const QString kOpenError = QString::fromLatin1(kOpenFileError);
constexpr qint64 kMaxMs = 30000; // one pass over the file takes well under a second

QString fileVersionText(const Window& w) {
    return QString::fromStdString(messageText(Message::FileVersion, w.session().language()));
}

// The window closed, a question of the close (a settings file not written) answered "Close
// anyway"; the questions asked.
QStringList closeAnyway(const Window& w) {
    CloseBoxes boxes(
        {{QString::fromStdString(closeText(CloseText::CloseAnyway, w.session().language()))}});
    w->close();
    return boxes.texts;
}

QString label(const Window& w) {
    return w.get<QLabel>("LabelFile2")->text();
}

// The files in the settings folder, sorted.
QStringList settingsFiles(const ConfigHome& home) {
    QStringList files = QDir(home.folder()).entryList(QDir::Files);
    files.sort();
    return files;
}

// Runs `f` with files limited to `bytes`: a write beyond it fails as on a full disk.
template <typename F> void withFileSizeLimit(rlim_t bytes, F f) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit low = saved;
    low.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &low);
    f();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

} // namespace

class tst_BadInputWindow : public QObject {
    Q_OBJECT

private slots:
    void hugeParamFile_data();
    void hugeParamFile();
    void longWords();
    void binaryParamFile_data();
    void binaryParamFile();
    void garbageSettingsFiles();
    void fileGoneBeforeOpen_data();
    void fileGoneBeforeOpen();
    void lockedFolders();
    void specialFiles_data();
    void specialFiles();
    void fullDiskNewFile();
    void fullDiskOnClose();
};

void tst_BadInputWindow::hugeParamFile_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("refused");
    // The first row runs first, while the process's peak memory is still low.
    QTest::newRow("100 MB of digits") << 100LL * 1024 * 1024 << true;
    QTest::newRow("one byte above 16 MB") << 16LL * 1024 * 1024 + 1 << true;
    QTest::newRow("16 MB: read, no header") << 16LL * 1024 * 1024 << false;
}

void tst_BadInputWindow::hugeParamFile() {
    QFETCH(qint64, size);
    QFETCH(bool, refused);
    ConfigHome home;
    const QString file = home.path("huge.ign");
    QVERIFY(writeBigFile(file, size, "1234567890"));
    QCOMPARE(QFileInfo(file).size(), size);
    Window w;
    const DeviceImage image = w.session().image();

    const long before = peakMemoryMiB();
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!w.session().openFile(file));
    const qint64 ms = timer.elapsed();
    QFile::remove(file);

    QVERIFY2(ms < kMaxMs, qPrintable(QString("%1 ms").arg(ms)));
    if (refused) // refused before reading: nothing of the file is held
        QVERIFY2(peakMemoryMiB() - before < 32,
                 qPrintable(QString("%1 MiB more").arg(peakMemoryMiB() - before)));
    QCOMPARE(w.fileBoxes(), QStringList{refused ? kOpenError : fileVersionText(w)});
    QVERIFY(w.session().image() == image);
    QVERIFY(label(w).isEmpty());
}

// Words of 100 000 characters in a parameter file and in the settings file.
void tst_BadInputWindow::longWords() {
    ConfigHome home;
    const QByteArray letters(100000, 'Q');
    const QByteArray zeros(100000, '0');
    QVERIFY(writeAll(home.iniPath(), "[" + letters + "]\n" + letters + "=" + letters +
                                         "\n[FORM_HLAV]\nFile=" + letters + "\n"));
    QVERIFY(writeAll(home.path("long.ign"), letters + " KALVORIN_KEY " + zeros + "15 " + letters +
                                                " BIKE " + zeros + "3 " + letters + zeros +
                                                " BASE_ADV " + letters));
    Window w;
    QCOMPARE(label(w), QString::fromLatin1(letters));
    DeviceImage expected = w.session().image();
    expected[Byte::BIKE] = 3;
    normalise(expected);
    QVERIFY(w.session().openFile(home.path("long.ign")));
    QCOMPARE(w.fileBoxes(), QStringList());
    QCOMPARE(int(w.session().image()[Byte::BIKE]), 3);
    QVERIFY(w.session().image() == expected); // BASE_ADV followed by a word: left as it was

    QCOMPARE(closeAnyway(w), QStringList());
    const QByteArray ini = readAll(home.iniPath());
    QVERIFY(ini.startsWith("[" + letters + "]\n" + letters + "=" + letters + "\n[FORM_HLAV]\n"));
}

void tst_BadInputWindow::binaryParamFile_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("random bytes") << QByteArray() << false;
    QTest::newRow("header, then random bytes") << QByteArray("KALVORIN_KEY 15\n") << true;
    QTest::newRow("header, zero bytes, keys")
        << QByteArray("KALVORIN_KEY 15 \0\0\0 BIKE 4 LIMITER1 \x01 9 ", 40) << true;
}

// Whatever a binary file holds, the window refuses it or shows a valid parameter set.
void tst_BadInputWindow::binaryParamFile() {
    QFETCH(QByteArray, head);
    QFETCH(bool, accepted);
    QRandomGenerator rng(7);
    for (int run = 0; run < 10; ++run) {
        ConfigHome home;
        QByteArray body(65536, '\0');
        rng.fillRange(reinterpret_cast<quint32*>(body.data()), body.size() / 4);
        // Keys among the bytes, so that values are read from them too.
        for (const char* key : {" TPS ", " MAPA ", " N2O ", " RPM_ADV ", " SERVO "})
            body.insert(int(rng.bounded(body.size())), key);
        QVERIFY(writeAll(home.path("bin.ign"), head + body));
        Window w;
        const DeviceImage image = w.session().image();
        QCOMPARE(w.session().openFile(home.path("bin.ign")), accepted);
        if (!accepted) {
            QCOMPARE(w.fileBoxes(), QStringList{fileVersionText(w)});
            QVERIFY(w.session().image() == image);
            continue;
        }
        QCOMPARE(w.fileBoxes(), QStringList());
        DeviceImage normal = w.session().image();
        normalise(normal);
        QVERIFY(w.session().image() == normal);
        QCOMPARE(label(w), QFileInfo(home.path("bin.ign")).absoluteFilePath());
    }
}

// Binary settings and last-image files: the window starts with values in their bounds and
// replaces them with proper files when it closes.
void tst_BadInputWindow::garbageSettingsFiles() {
    QRandomGenerator rng(99);
    for (int run = 0; run < 5; ++run) {
        ConfigHome home;
        QByteArray bytes(8192, '\0');
        rng.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        QVERIFY(writeAll(home.iniPath(), "[FORM_HLAV]\nComPort=300\nLanguage=77\n" + bytes));
        QVERIFY(writeAll(home.imagePath(), "999 -1 12" + bytes));
        Window w;
        QVERIFY(w.session().comPort() >= 1 && w.session().comPort() <= 10);
        QVERIFY(w.session().language() <= 2);
        DeviceImage normal = w.session().image();
        normalise(normal);
        QVERIFY(w.session().image() == normal);
        QCOMPARE(int(w.session().image()[0]), 999 & 0xFF); // "-1" ends the list

        QCOMPARE(closeAnyway(w), QStringList());
        DeviceImage back;
        QVERIFY(readLastImage(home.imagePath(), back));
        QVERIFY(back == w.session().image());
        IniFile ini(home.iniPath());
        QCOMPARE(ini.readInteger("FORM_HLAV", "ComPort", -1), int(w.session().comPort()));
    }
}

void tst_BadInputWindow::fileGoneBeforeOpen_data() {
    QTest::addColumn<QString>("what");
    QTest::newRow("removed") << "removed";
    QTest::newRow("replaced by a folder") << "folder";
    QTest::newRow("replaced by a named pipe") << "fifo";
    QTest::newRow("a device without end") << "device";
}

// The dialog returned a path, and before the open the file is gone or is no file any more.
// A pipe without a writer would block the window, a device without end would fill memory.
void tst_BadInputWindow::fileGoneBeforeOpen() {
    QFETCH(QString, what);
    ConfigHome home;
    Window w;
    QVERIFY(w.session().saveFile(home.path("first.ign")));
    QVERIFY(w.session().openFile(home.path("first.ign")));
    const QString first = label(w);
    const DeviceImage image = w.session().image();

    QString path = home.path("picked.ign");
    QVERIFY(w.session().saveFile(path));
    QVERIFY(w.session().saveFile(home.path("first.ign"))); // the label back on the first file
    QVERIFY(QFile::remove(path));
    if (what == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (what == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (what == "device") // endless zeros, as /dev/zero gives
        QCOMPARE(::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 5)), 0);

    QElapsedTimer timer;
    timer.start();
    QVERIFY(!w.session().openFile(path));
    QVERIFY(timer.elapsed() < kMaxMs);
    QCOMPARE(w.fileBoxes(), QStringList{kOpenError});
    QVERIFY(w.session().image() == image);
    QCOMPARE(label(w), first);
    QCOMPARE(w.session().lastFilePath(), first);
}

// A user who may write neither a parameter file nor the settings: the old files stay whole,
// no stray file is left, and only the save says so.
void tst_BadInputWindow::lockedFolders() {
    if (runningAsNobody()) { // $XDG_CONFIG_HOME is root's settings folder
        Window w;
        QVERIFY(!w.session().saveFile(nobodyBase() + "/locked/new.ign"));
        QCOMPARE(w.fileBoxes(), QStringList{kOpenError});
        QVERIFY(label(w).isEmpty());
        w.session().image()[Byte::BASE_ADV] ^= 1;
        w.session().setLanguage(w.session().language() == 2 ? 0 : 2);
        QCOMPARE(closeAnyway(w).size(), 1);
        QCOMPARE(w.fileBoxes(), QStringList{kOpenError});
        return;
    }
    ConfigHome home;
    const QString locked = home.path("locked");
    QVERIFY(QDir().mkdir(locked));
    QCOMPARE(closeAnyway(Window()), QStringList());
    const QByteArray ini = readAll(home.iniPath());
    const QByteArray image = readAll(home.imagePath());
    QVERIFY(!ini.isEmpty() && !image.isEmpty());
    QVERIFY(QFile::setPermissions(home.dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ExeOwner | QFile::ExeOther));
    QVERIFY(rerunAsNobody(home.dir.path()));
    QVERIFY(QDir(locked).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    QCOMPARE(readAll(home.iniPath()), ini);
    QCOMPARE(readAll(home.imagePath()), image);
    QCOMPARE(settingsFiles(home), QStringList({"Vortan2.ini", "_Vortan2.ini"}));
}

void tst_BadInputWindow::specialFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("link");
    QTest::newRow("named pipes") << "fifo" << false;
    QTest::newRow("links to named pipes") << "fifo" << true;
    QTest::newRow("links to devices") << "device" << true;
    QTest::newRow("links to regular files") << "file" << true;
}

// Both settings files and the parameter file saved are such things: the window starts, the
// save says "Open file error" and the close names both settings files unless they reach
// regular files, and each link stays, its target written or left as it was.
void tst_BadInputWindow::specialFiles() {
    QFETCH(QString, kind);
    QFETCH(bool, link);
    ConfigHome home;
    const QStringList paths = {home.iniPath(), home.imagePath(), home.path("tune.ign")};
    const auto target = [&](const QString& p) { return link ? p + ".target" : p; };
    for (const QString& p : paths) {
        const QByteArray name = QFile::encodeName(target(p));
        if (kind == "fifo")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (kind == "device") // endless zeros
            QCOMPARE(::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 5)), 0);
        else
            QVERIFY(writeAll(target(p), ""));
        if (link)
            QVERIFY(QFile::link(target(p), p));
    }
    const bool regular = kind == "file";
    {
        Window w;
        QCOMPARE(w.session().saveFile(paths[2]), regular);
        QCOMPARE(w.fileBoxes(), regular ? QStringList() : QStringList{kOpenError});
        const QStringList asked = closeAnyway(w);
        QCOMPARE(asked.size(), regular ? 0 : 1);
        QVERIFY(regular || (asked[0].contains(paths[0]) && asked[0].contains(paths[1])));
    }
    for (const QString& p : paths) {
        QCOMPARE(QFileInfo(p).isSymLink(), link);
        QCOMPARE(QFileInfo(target(p)).isFile(), regular);
        QCOMPARE(QFileInfo(target(p)).size() > 0, regular);
    }
}

// A save to a new file on a full disk leaves no file at all, not a piece of one.
void tst_BadInputWindow::fullDiskNewFile() {
    ConfigHome home;
    Window w;
    bool saved = true;
    withFileSizeLimit(100, [&] { saved = w.session().saveFile(home.path("new.ign")); });
    QVERIFY(!saved);
    QCOMPARE(w.fileBoxes(), QStringList{kOpenError});
    QVERIFY(label(w).isEmpty());
    QCOMPARE(QDir(home.dir.path()).entryList(QDir::Files), QStringList());
}

// The disk fills while the window closes: both settings files keep their old contents.
void tst_BadInputWindow::fullDiskOnClose() {
    ConfigHome home;
    QCOMPARE(closeAnyway(Window()), QStringList());
    const QByteArray ini = readAll(home.iniPath());
    const QByteArray image = readAll(home.imagePath());
    QVERIFY(!ini.isEmpty() && !image.isEmpty());
    {
        Window w;
        w.session().image()[Byte::BASE_ADV] ^= 1;
        w.session().setLanguage(w.session().language() == 2 ? 0 : 2);
        QStringList asked;
        withFileSizeLimit(40, [&] { asked = closeAnyway(w); });
        QCOMPARE(asked.size(), 1);
    }
    QCOMPARE(readAll(home.iniPath()), ini);
    QCOMPARE(readAll(home.imagePath()), image);
    QCOMPARE(settingsFiles(home), QStringList({"Vortan2.ini", "_Vortan2.ini"}));
}

QTEST_MAIN(tst_BadInputWindow)
#include "tst_badinput_window.moc"
