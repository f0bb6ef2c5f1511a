#pragma once
// The settings kept between runs (Vortan2.ini) and the last-image file (_Vortan2.ini),
// both in <config>/Vortan2/.

#include "params/DeviceImage.h"
#include "settings/IniFile.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace vortan {

struct FormSettings {
    std::optional<int> left; // missing: the window stays centred
    std::optional<int> top;
    std::uint8_t comPort = 1;
    std::uint8_t language = 0;
    QString file;       // caption of LabelFile2
    QString iniDir;     // last parameter-file path
    int activePage = 1; // 1..4
    bool extMonitor = false;
};

// The folder Vortan2 in settingsParentFolder(), created when missing.
QString settingsFolder();
QString settingsFilePath();  // .../Vortan2.ini
QString lastImageFilePath(); // .../_Vortan2.ini

// `current` gives the defaults for missing keys (position, port, language, check box).
FormSettings readSettings(const IniFile& ini, const FormSettings& current);
// Writes the keys of FORM_HLAV and IGNITION in their order and saves; false on failure.
bool writeSettings(IniFile& ini, const FormSettings& s);
// The same keys without saving. In a file that has none of them yet they come in this order,
// so they are written before the sections the program keeps of its own.
void storeSettings(IniFile& ini, const FormSettings& s);

// Device path of COMn: key COMn of section PORTS, else defaultPortDevice(n) (/dev/ttyS<n-1>,
// on Windows COMn).
QString portDevicePath(const IniFile& ini, int comPort);

// Up to 300 numbers, low 8 bits into bytes 0.. of the image; false when the file is missing,
// no regular file or larger than kMaxSettingsFileSize.
bool readLastImage(const QString& path, DeviceImage& image);
// 30 lines of ten "%5u " numbers, saved as files/RegularFile.h saves; false on failure.
bool writeLastImage(const QString& path, const DeviceImage& image);
// The same, telling why it failed: nothing when it was saved.
std::optional<WriteError> saveLastImage(const QString& path, const DeviceImage& image);
std::string lastImageText(const DeviceImage& image);

} // namespace vortan
