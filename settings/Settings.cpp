#include "settings/Settings.h"

#include "files/RegularFile.h"
#include "settings/SystemPlaces.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <climits>
#include <cstdio>

namespace vortan {
namespace {

const QString kForm = QStringLiteral("FORM_HLAV");
const QString kIgnition = QStringLiteral("IGNITION");
const QString kExtMonitorKey = QStringLiteral("CheckBoxExtMonitor->Checked");

std::uint8_t low8(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

// Key value when the key is present and numeric.
std::optional<int> readOptional(const IniFile& ini, const QString& key,
                                std::optional<int> current) {
    if (!ini.hasKey(kForm, key))
        return current;
    const int v = ini.readInteger(kForm, key, INT_MIN);
    return v == INT_MIN ? current : std::optional<int>(v);
}

} // namespace

QString settingsFolder() {
    const QString folder = settingsParentFolder() + QStringLiteral("/Vortan2");
    QDir().mkpath(folder);
    return folder;
}

QString settingsFilePath() {
    return settingsFolder() + QStringLiteral("/Vortan2.ini");
}

QString lastImageFilePath() {
    return settingsFolder() + QStringLiteral("/_Vortan2.ini");
}

FormSettings readSettings(const IniFile& ini, const FormSettings& current) {
    FormSettings s = current;
    s.left = readOptional(ini, QStringLiteral("Left"), current.left);
    s.top = readOptional(ini, QStringLiteral("Top"), current.top);
    s.comPort = low8(ini.readInteger(kForm, QStringLiteral("ComPort"), current.comPort));
    s.language = low8(ini.readInteger(kForm, QStringLiteral("Language"), current.language));
    s.file = ini.readString(kForm, QStringLiteral("File"), current.file);
    s.iniDir = ini.readString(kForm, QStringLiteral("IniDir"), current.iniDir);
    const int page = ini.readInteger(kForm, QStringLiteral("ActivePage"), 1);
    s.activePage = (page >= 2 && page <= 4) ? page : 1;
    s.extMonitor = ini.readInteger(kIgnition, kExtMonitorKey, current.extMonitor ? 1 : 0) != 0;
    return s;
}

bool writeSettings(IniFile& ini, const FormSettings& s) {
    storeSettings(ini, s);
    return ini.save();
}

void storeSettings(IniFile& ini, const FormSettings& s) {
    if (s.left)
        ini.writeInteger(kForm, QStringLiteral("Left"), *s.left);
    if (s.top)
        ini.writeInteger(kForm, QStringLiteral("Top"), *s.top);
    ini.writeInteger(kForm, QStringLiteral("ComPort"), s.comPort);
    ini.writeInteger(kForm, QStringLiteral("Language"), s.language);
    ini.writeString(kForm, QStringLiteral("File"), s.file);
    ini.writeString(kForm, QStringLiteral("IniDir"), s.iniDir);
    // Any page after the first three counts as the fourth. The trailing space is part of
    // the key as the file has always had it.
    const int page = (s.activePage >= 1 && s.activePage <= 3) ? s.activePage : 4;
    ini.writeInteger(kForm, QStringLiteral("ActivePage "), page);
    ini.writeInteger(kIgnition, kExtMonitorKey, s.extMonitor ? 1 : 0);
}

QString portDevicePath(const IniFile& ini, int comPort) {
    const QString key = QStringLiteral("COM%1").arg(comPort);
    const QString path = ini.readString(QStringLiteral("PORTS"), key, QString());
    if (!path.isEmpty())
        return path;
    return defaultPortDevice(comPort);
}

std::string lastImageText(const DeviceImage& image) {
    std::string text;
    text.reserve(kImageSize * 6 + kImageSize / 10);
    char buf[16];
    for (int i = 0; i < kImageSize; ++i) {
        std::snprintf(buf, sizeof buf, "%5u ", unsigned(image[i]));
        text += buf;
        if (i % 10 == 9)
            text += '\n';
    }
    return text;
}

bool writeLastImage(const QString& path, const DeviceImage& image) {
    return !saveLastImage(path, image);
}

std::optional<WriteError> saveLastImage(const QString& path, const DeviceImage& image) {
    QDir().mkpath(QFileInfo(path).absolutePath()); // a folder that cannot be made fails below
    const QByteArray text = QByteArray::fromStdString(lastImageText(image));
    return saveRegularFile(path, [&text] { return text; });
}

// Stops at the first word that is not a number.
bool readLastImage(const QString& path, DeviceImage& image) {
    const std::optional<QByteArray> text = readRegularFile(path, kMaxSettingsFileSize);
    if (!text)
        return false;
    int count = 0;
    bool inWord = false;
    std::uint32_t value = 0; // modulo 2^32, only the low 8 bits are kept
    for (const char c : *text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (inWord) {
                image[count++] = static_cast<std::uint8_t>(value & 0xFFu);
                if (count == kImageSize)
                    return true;
                inWord = false;
            }
        } else if (c >= '0' && c <= '9') {
            value = inWord ? value * 10u + std::uint32_t(c - '0') : std::uint32_t(c - '0');
            inWord = true;
        } else {
            return true; // a word that is not a number ends the list
        }
    }
    if (inWord)
        image[count] = static_cast<std::uint8_t>(value & 0xFFu);
    return true;
}

} // namespace vortan
