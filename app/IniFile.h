#pragma once
// An INI file with the private-profile semantics: sections and keys match without regard to
// case, spaces around key names are ignored when reading, a write replaces the key's line in
// place or appends it to its section (or a new section), and every other line is kept.

#include <QString>
#include <QStringList>

namespace vortan {

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(QString path) : path_(std::move(path)) { load(); }

    const QString& path() const { return path_; }
    // Reads the file again; a missing file is an empty one.
    void load();
    // Writes all lines through a temporary file renamed over the old one; false on failure
    // (the old file is then untouched).
    bool save() const;

    QString readString(const QString& section, const QString& key, const QString& def) const;
    // Leading decimal number of the value (as the private-profile functions read it), else def.
    int readInteger(const QString& section, const QString& key, int def) const;
    // True when the section holds the key (whatever its value).
    bool hasKey(const QString& section, const QString& key) const;
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);

    const QStringList& lines() const { return lines_; }

private:
    QString path_;
    QStringList lines_;
};

} // namespace vortan
