// Reading and saving the program's own files: regular files only, reached through symbolic
// links, and saved in place where the folder may not be written. (The size limits are tested
// with the settings and parameter files.)

#include "Unprivileged.h"
#include "files/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

using namespace vortan;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// File type and inode of what is at `path` itself (a link is not followed); zeros when nothing.
std::pair<mode_t, ino_t> node(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return {0, 0};
    return {st.st_mode & S_IFMT, st.st_ino};
}

// Puts a `kind` at `path`: "file" holding "old", "none", "fifo", "device" (endless zeros),
// "socket", "folder" or "loop" (a link to itself).
bool make(const QString& kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == "file")
        return writeAll(path, "old");
    if (kind == "fifo")
        return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == "device")
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    if (kind == "folder")
        return QDir().mkdir(path);
    if (kind == "loop")
        return QFile::link(path, path);
    if (kind == "socket") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        return bound;
    }
    return kind == "none";
}

} // namespace

class tst_RegularFile : public QObject {
    Q_OBJECT

private slots:
    void kinds_data();
    void kinds();
    void lockedFolder_data();
    void lockedFolder();
    void writeFailureOf_data();
    void writeFailureOf();
};

void tst_RegularFile::kinds_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("link"); // the path is a symbolic link to the kind
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("writable");
    QTest::newRow("regular file") << "file" << false << true << true;
    QTest::newRow("nothing") << "none" << false << false << true;
    QTest::newRow("link to a regular file") << "file" << true << true << true;
    QTest::newRow("link to nothing") << "none" << true << false << true;
    QTest::newRow("named pipe") << "fifo" << false << false << false;
    QTest::newRow("link to a named pipe") << "fifo" << true << false << false;
    QTest::newRow("device") << "device" << false << false << false;
    QTest::newRow("link to a device") << "device" << true << false << false;
    QTest::newRow("socket") << "socket" << false << false << false;
    QTest::newRow("folder") << "folder" << false << false << false;
    QTest::newRow("link to itself") << "loop" << false << false << false;
}

void tst_RegularFile::kinds() {
    QFETCH(QString, kind);
    QFETCH(bool, link);
    QFETCH(bool, readable);
    QFETCH(bool, writable);
    QTemporaryDir dir;
    const QString target = dir.filePath("target");
    const QString path = link ? dir.filePath("_Vortan2.ini") : target;
    QVERIFY(make(kind, target));
    if (link)
        QVERIFY(QFile::link(target, path));
    const auto before = node(target);

    const std::optional<QByteArray> read = readRegularFile(path, 100);
    QCOMPARE(read.has_value(), readable);
    if (readable)
        QCOMPARE(*read, QByteArray("old"));
    QCOMPARE(writeRegularFile(path, QByteArray("new")), writable);
    QCOMPARE(node(path).first, mode_t(link ? S_IFLNK : node(target).first)); // the link stays
    if (writable)
        QCOMPARE(readAll(target), QByteArray("new"));
    else
        QVERIFY(node(target) == before); // not replaced
    // Why the save fails, as the user is told at close.
    const std::optional<WriteError> why = saveRegularFile(path, [] { return QByteArray("new"); });
    QCOMPARE(why.has_value(), !writable);
    if (why)
        QCOMPARE(int(why->failure), int(WriteFailure::NotRegularFile));
}

void tst_RegularFile::lockedFolder_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("sameFile");
    QTest::newRow("both writable: replaced whole") << 0777 << 0666 << true << false;
    QTest::newRow("shared file, locked folder: written in place") << 0755 << 0666 << true << true;
    QTest::newRow("neither writable: kept") << 0755 << 0644 << false << true;
}

// Saves by the user nobody into a folder of root's.
void tst_RegularFile::lockedFolder() {
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QFETCH(bool, saved);
    QFETCH(bool, sameFile);
    if (runningAsNobody()) {
        const std::optional<WriteError> why = saveRegularFile(nobodyBase() + "/shared/Vortan2.ini",
                                                              [] { return QByteArray("new\n"); });
        QCOMPARE(!why, saved);
        if (why)
            QCOMPARE(int(why->failure), int(WriteFailure::NoPermission));
        return;
    }
    QTemporaryDir base;
    const QString folder = base.filePath("shared");
    const QString file = folder + "/Vortan2.ini";
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(writeAll(file, "old contents\n"));
    QCOMPARE(::chmod(QFile::encodeName(base.path()).constData(), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)), 0);
    QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode_t(fileMode)), 0);
    const ino_t inode = node(file).second;

    QVERIFY(rerunAsNobody(base.path()));
    QCOMPARE(readAll(file), QByteArray(saved ? "new\n" : "old contents\n"));
    QCOMPARE(node(file).second == inode, sameFile);
}

void tst_RegularFile::writeFailureOf_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("failure");
    QTest::newRow("EACCES") << EACCES << int(WriteFailure::NoPermission);
    QTest::newRow("EPERM") << EPERM << int(WriteFailure::NoPermission);
    QTest::newRow("EROFS") << EROFS << int(WriteFailure::ReadOnly);
    QTest::newRow("ENOSPC") << ENOSPC << int(WriteFailure::NoSpace);
#ifdef EDQUOT
    QTest::newRow("EDQUOT") << EDQUOT << int(WriteFailure::NoSpace);
#endif
    QTest::newRow("EFBIG") << EFBIG << int(WriteFailure::NoSpace);
    QTest::newRow("ENOENT") << ENOENT << int(WriteFailure::NoFolder);
    QTest::newRow("ENOTDIR") << ENOTDIR << int(WriteFailure::NoFolder);
    QTest::newRow("EEXIST") << EEXIST << int(WriteFailure::NoFolder);
    QTest::newRow("EISDIR") << EISDIR << int(WriteFailure::NotRegularFile);
    QTest::newRow("ELOOP") << ELOOP << int(WriteFailure::NotRegularFile);
    QTest::newRow("EIO") << EIO << int(WriteFailure::Other);
}

void tst_RegularFile::writeFailureOf() {
    QFETCH(int, error);
    QFETCH(int, failure);
    QCOMPARE(int(vortan::writeFailureOf(error)), failure);
}

QTEST_GUILESS_MAIN(tst_RegularFile)
#include "tst_regularfile.moc"
