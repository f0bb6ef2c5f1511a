#pragma once
// An INI file with the private-profile semantics: sections and keys match without regard to
// case, spaces around key names are ignored when reading, a write replaces the key's line in
// place or appends it to its section (or a new section), and every other line is kept byte
// for byte, line ending included. Values are text in the system's file-name encoding.

#include "files/RegularFile.h"

#include <QByteArrayList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vortan {

// A settings file larger than this is taken as missing.
constexpr qint64 kMaxSettingsFileSize = 4 * 1024 * 1024;

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(QString path) : path_(std::move(path)) { load(); }

    const QString& path() const { return path_; }
    // Reads the file again; a missing file, or one that is no regular file or is larger than
    // kMaxSettingsFileSize, is an empty one.
    void load();
    // Writes all lines as a regular file does (files/RegularFile.h); false on failure.
    bool save() const;
    // The same, telling why it failed: nothing when it was saved.
    std::optional<WriteError> trySave() const;

    QString readString(const QString& section, const QString& key, const QString& def) const;
    // Leading decimal number of the value (as the private-profile functions read it), else def.
    int readInteger(const QString& section, const QString& key, int def) const;
    // True when the section holds the key (whatever its value).
    bool hasKey(const QString& section, const QString& key) const;
    // A value that reads back as it is leaves its line untouched, bytes that the system's
    // encoding cannot show included.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);

    // The lines as text, without their line endings.
    QStringList lines() const;

private:
    QString path_;
    QByteArrayList lines_; // as in the file, without "\n" (a "\r" before it stays)
    bool crlf_ = false;    // new lines end in "\r\n", as the file's first line does
};

} // namespace vortan
