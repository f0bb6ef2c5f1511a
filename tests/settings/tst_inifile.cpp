// The INI class: private-profile matching, in-place writes, kept lines and safe saving.

#include "Unprivileged.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

using namespace vortan;

namespace {

void writeText(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
}

QByteArray readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class tst_IniFile : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    void readsKeys_data();
    void readsKeys();
    void readInteger_data();
    void readInteger();
    void replacesInPlace();
    void appendsToSection();
    void appendsNewSection();
    void trailingSpaceKey();
    void keepsOtherLines();
    void keepsUndecodableBytes_data();
    void keepsUndecodableBytes();
    void saveCreatesFolder();
    void saveIntoFileParentFails();
    void saveWithoutPermissionKeepsOldFile();

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

const QByteArray kSample = "; settings\r\n"
                           "[FORM_HLAV]\r\n"
                           "Left=12\r\n"
                           "  Top  =  34  \r\n"
                           "ActivePage =3\r\n"
                           "File=C:\\data\\bike.ign\r\n"
                           "\r\n"
                           "[ignition]\r\n"
                           "CheckBoxExtMonitor->Checked=1\r\n";

void tst_IniFile::readsKeys_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "FORM_HLAV"
                           << "Left"
                           << "12";
    QTest::newRow("section case") << "form_hlav"
                                  << "Left"
                                  << "12";
    QTest::newRow("key case") << "FORM_HLAV"
                              << "LEFT"
                              << "12";
    QTest::newRow("spaces around key and value") << "FORM_HLAV"
                                                 << "Top"
                                                 << "34";
    QTest::newRow("asked with spaces") << "FORM_HLAV"
                                       << " Top "
                                       << "34";
    QTest::newRow("space before equals") << "FORM_HLAV"
                                         << "ActivePage"
                                         << "3";
    QTest::newRow("backslashes kept") << "FORM_HLAV"
                                      << "File"
                                      << "C:\\data\\bike.ign";
    QTest::newRow("arrow key") << "IGNITION"
                               << "CheckBoxExtMonitor->Checked"
                               << "1";
    QTest::newRow("key of another section") << "IGNITION"
                                            << "Left"
                                            << "<def>";
    QTest::newRow("missing section") << "PORTS"
                                     << "COM1"
                                     << "<def>";
    QTest::newRow("comment is no key") << "FORM_HLAV"
                                       << "; settings"
                                       << "<def>";
}

void tst_IniFile::readsKeys() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    writeText(path("a.ini"), kSample);
    const IniFile ini(path("a.ini"));
    QCOMPARE(ini.readString(section, key, "<def>"), value);
    QCOMPARE(ini.hasKey(section, key), value != "<def>");
}

void tst_IniFile::readInteger_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("number") << "42" << 42;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("plus") << "+3" << 3;
    QTest::newRow("leading digits") << "12abc" << 12;
    QTest::newRow("no digits") << "abc" << 99;
    QTest::newRow("sign only") << "-" << 99;
    QTest::newRow("empty") << "" << 99;
    QTest::newRow("too large") << "99999999999999999999" << INT_MAX;
    QTest::newRow("too small") << "-99999999999999999999" << INT_MIN;
}

void tst_IniFile::readInteger() {
    QFETCH(QString, value);
    QFETCH(int, expected);
    IniFile ini;
    ini.writeString("S", "k", value);
    QCOMPARE(ini.readInteger("S", "k", 99), expected);
    QCOMPARE(ini.readInteger("S", "missing", 99), 99);
}

void tst_IniFile::replacesInPlace() {
    writeText(path("b.ini"), kSample);
    IniFile ini(path("b.ini"));
    const QStringList before = ini.lines();
    ini.writeInteger("form_hlav", "TOP", 5);
    QStringList expected = before;
    expected[3] = "TOP=5";
    QCOMPARE(ini.lines(), expected);
    QCOMPARE(ini.readInteger("FORM_HLAV", "Top", 0), 5);
}

void tst_IniFile::appendsToSection() {
    writeText(path("c.ini"), kSample);
    IniFile ini(path("c.ini"));
    ini.writeString("FORM_HLAV", "IniDir", "/home/x/a.ign");
    // After the section's last key, before the blank line that parts it from the next.
    QCOMPARE(ini.lines().at(6), QString("IniDir=/home/x/a.ign"));
    QCOMPARE(ini.lines().at(7), QString());
    QCOMPARE(ini.lines().at(8), QString("[ignition]"));
    QCOMPARE(ini.lines().size(), 10);
}

void tst_IniFile::appendsNewSection() {
    writeText(path("d.ini"), kSample);
    IniFile ini(path("d.ini"));
    ini.writeString("PORTS", "COM1", "/dev/ttyUSB0");
    QCOMPARE(ini.lines().mid(9), (QStringList{"[PORTS]", "COM1=/dev/ttyUSB0"}));
    QVERIFY(ini.save());
    const IniFile again(path("d.ini"));
    QCOMPARE(again.readString("ports", "com1", ""), QString("/dev/ttyUSB0"));
}

void tst_IniFile::trailingSpaceKey() {
    IniFile ini(path("e.ini"));
    ini.writeInteger("FORM_HLAV", "ActivePage ", 3);
    QCOMPARE(ini.lines(), (QStringList{"[FORM_HLAV]", "ActivePage =3"}));
    QCOMPARE(ini.readInteger("FORM_HLAV", "ActivePage", 1), 3);
    ini.writeInteger("FORM_HLAV", "ActivePage ", 4); // replaces, no second line
    QCOMPARE(ini.lines(), (QStringList{"[FORM_HLAV]", "ActivePage =4"}));
}

void tst_IniFile::keepsOtherLines() {
    writeText(path("f.ini"), kSample + "junk line without equals\n[PORTS]\nCOM3=/dev/x\n");
    IniFile ini(path("f.ini"));
    ini.writeInteger("FORM_HLAV", "Left", 1);
    ini.writeInteger("FORM_HLAV", "Top", 34); // as it reads already: the line stays
    QVERIFY(ini.save());
    const QByteArray text = readText(path("f.ini"));
    QCOMPARE(text, QByteArray("; settings\r\n[FORM_HLAV]\r\nLeft=1\r\n  Top  =  34  \r\n"
                              "ActivePage =3\r\nFile=C:\\data\\bike.ign\r\n\r\n[ignition]\r\n"
                              "CheckBoxExtMonitor->Checked=1\r\njunk line without equals\n"
                              "[PORTS]\nCOM3=/dev/x\n"));
}

void tst_IniFile::keepsUndecodableBytes_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("Latin-1 paths in other sections")
        << QByteArray("[PORTS]\nCOM1=/dev/ttyUSB-\xe9\n[OTHER]\nLast=/home/p\xe1vel/a.ign\n"
                      "[FORM_HLAV]\nFile=\nIniDir=\n");
    QTest::newRow("Latin-1 paths written back as read")
        << QByteArray("[FORM_HLAV]\nFile=/home/z\xe1vod.ign\nIniDir=/home/z\xe1vod.ign\n");
    QTest::newRow("stray bytes, carriage returns")
        << QByteArray("; \x80\xff\xfe\r\n[FORM_HLAV]\r\n File = \xc3 \r\nIniDir=\xa0\r\r\n");
}

// What the window does at close with the paths it read: the file stays as it was.
void tst_IniFile::keepsUndecodableBytes() {
    QFETCH(QByteArray, text);
    writeText(path("bytes.ini"), text);
    IniFile ini(path("bytes.ini"));
    for (const char* key : {"File", "IniDir"})
        ini.writeString("FORM_HLAV", key, ini.readString("FORM_HLAV", key, QString()));
    QVERIFY(ini.save());
    QCOMPARE(readText(path("bytes.ini")), text);
}

void tst_IniFile::saveCreatesFolder() {
    IniFile ini(path("new/deeper/g.ini"));
    QVERIFY(ini.lines().isEmpty());
    ini.writeInteger("S", "k", 1);
    QVERIFY(ini.save());
    QCOMPARE(readText(path("new/deeper/g.ini")), QByteArray("[S]\nk=1\n"));
}

void tst_IniFile::saveIntoFileParentFails() {
    writeText(path("plain"), "x");
    IniFile ini(path("plain/h.ini"));
    ini.writeInteger("S", "k", 1);
    QVERIFY(!ini.save());
    QCOMPARE(readText(path("plain")), QByteArray("x"));
}

// A file the user may not write, in a folder the user may not write.
void tst_IniFile::saveWithoutPermissionKeepsOldFile() {
    if (runningAsNobody()) {
        IniFile ini(nobodyBase() + "/locked/i.ini");
        ini.writeInteger("S", "k", 2);
        QVERIFY(!ini.save());
        return;
    }
    QVERIFY(QDir().mkpath(path("locked")));
    const QString file = path("locked/i.ini");
    writeText(file, "[S]\nk=1\n");
    QVERIFY(QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ExeOther));
    QVERIFY(rerunAsNobody(dir_.path()));
    QCOMPARE(readText(file), QByteArray("[S]\nk=1\n"));
}

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_inifile.moc"
