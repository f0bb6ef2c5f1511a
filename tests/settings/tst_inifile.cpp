// The INI class: private-profile matching, in-place writes, kept lines and safe saving.

#include "app/IniFile.h"

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

class TestIniFile : public QObject {
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

void TestIniFile::readsKeys_data() {
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

void TestIniFile::readsKeys() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    writeText(path("a.ini"), kSample);
    const IniFile ini(path("a.ini"));
    QCOMPARE(ini.readString(section, key, "<def>"), value);
    QCOMPARE(ini.hasKey(section, key), value != "<def>");
}

void TestIniFile::readInteger_data() {
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

void TestIniFile::readInteger() {
    QFETCH(QString, value);
    QFETCH(int, expected);
    IniFile ini;
    ini.writeString("S", "k", value);
    QCOMPARE(ini.readInteger("S", "k", 99), expected);
    QCOMPARE(ini.readInteger("S", "missing", 99), 99);
}

void TestIniFile::replacesInPlace() {
    writeText(path("b.ini"), kSample);
    IniFile ini(path("b.ini"));
    const QStringList before = ini.lines();
    ini.writeInteger("form_hlav", "TOP", 5);
    QStringList expected = before;
    expected[3] = "TOP=5";
    QCOMPARE(ini.lines(), expected);
    QCOMPARE(ini.readInteger("FORM_HLAV", "Top", 0), 5);
}

void TestIniFile::appendsToSection() {
    writeText(path("c.ini"), kSample);
    IniFile ini(path("c.ini"));
    ini.writeString("FORM_HLAV", "IniDir", "/home/x/a.ign");
    // After the section's last key, before the blank line that parts it from the next.
    QCOMPARE(ini.lines().at(6), QString("IniDir=/home/x/a.ign"));
    QCOMPARE(ini.lines().at(7), QString());
    QCOMPARE(ini.lines().at(8), QString("[ignition]"));
    QCOMPARE(ini.lines().size(), 10);
}

void TestIniFile::appendsNewSection() {
    writeText(path("d.ini"), kSample);
    IniFile ini(path("d.ini"));
    ini.writeString("PORTS", "COM1", "/dev/ttyUSB0");
    QCOMPARE(ini.lines().mid(9), (QStringList{"[PORTS]", "COM1=/dev/ttyUSB0"}));
    QVERIFY(ini.save());
    const IniFile again(path("d.ini"));
    QCOMPARE(again.readString("ports", "com1", ""), QString("/dev/ttyUSB0"));
}

void TestIniFile::trailingSpaceKey() {
    IniFile ini(path("e.ini"));
    ini.writeInteger("FORM_HLAV", "ActivePage ", 3);
    QCOMPARE(ini.lines(), (QStringList{"[FORM_HLAV]", "ActivePage =3"}));
    QCOMPARE(ini.readInteger("FORM_HLAV", "ActivePage", 1), 3);
    ini.writeInteger("FORM_HLAV", "ActivePage ", 4); // replaces, no second line
    QCOMPARE(ini.lines(), (QStringList{"[FORM_HLAV]", "ActivePage =4"}));
}

void TestIniFile::keepsOtherLines() {
    writeText(path("f.ini"), kSample + "junk line without equals\n[PORTS]\nCOM3=/dev/x\n");
    IniFile ini(path("f.ini"));
    ini.writeInteger("FORM_HLAV", "Left", 1);
    QVERIFY(ini.save());
    const QByteArray text = readText(path("f.ini"));
    QCOMPARE(text, QByteArray("; settings\n[FORM_HLAV]\nLeft=1\n  Top  =  34  \nActivePage =3\n"
                              "File=C:\\data\\bike.ign\n\n[ignition]\n"
                              "CheckBoxExtMonitor->Checked=1\njunk line without equals\n"
                              "[PORTS]\nCOM3=/dev/x\n"));
}

void TestIniFile::saveCreatesFolder() {
    IniFile ini(path("new/deeper/g.ini"));
    QVERIFY(ini.lines().isEmpty());
    ini.writeInteger("S", "k", 1);
    QVERIFY(ini.save());
    QCOMPARE(readText(path("new/deeper/g.ini")), QByteArray("[S]\nk=1\n"));
}

void TestIniFile::saveIntoFileParentFails() {
    writeText(path("plain"), "x");
    IniFile ini(path("plain/h.ini"));
    ini.writeInteger("S", "k", 1);
    QVERIFY(!ini.save());
    QCOMPARE(readText(path("plain")), QByteArray("x"));
}

void TestIniFile::saveWithoutPermissionKeepsOldFile() {
    QVERIFY(QDir().mkpath(path("locked")));
    const QString file = path("locked/i.ini");
    writeText(file, "[S]\nk=1\n");
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    {
        QFile probe(path("locked/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(path("locked"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("folder permissions are not enforced for this user (root)");
        }
    }
    IniFile ini(file);
    ini.writeInteger("S", "k", 2);
    const bool saved = ini.save();
    QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(readText(file), QByteArray("[S]\nk=1\n"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
