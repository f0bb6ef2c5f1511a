#pragma once
// Restore points: every set that was programmed into the unit and verified is kept as a
// parameter file in a history folder, named by the date and time and the unit's
// identification. A side file "index.tsv" remembers the parameter file each set came from and
// whether the set differed from that file's.
// The newest kRestorePointsKept are kept.

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace vortan {

constexpr int kRestorePointsKept = 500;

// $XDG_DATA_HOME/Vortan2/history (the generic data location; %LOCALAPPDATA% on Windows).
QString restorePointFolder();

// The unit's identification as a name part: [A-Za-z0-9_-] only, every other run of
// characters one '_', none at either end; "unit" when nothing is left.
QString restorePointUnit(const QString& identification);
// "2026-12-08_14-05-33_VRT07.ign".
QString restorePointName(const QDateTime& when, const QString& identification);

struct RestorePointInfo {
    QDateTime when;
    QString unit;
};
// The date, time and unit of a name made by restorePointName; nothing for any other name.
std::optional<RestorePointInfo> parseRestorePointName(const QString& fileName);

// Of `names` (restore-point file names in any order), those beyond the newest `kept`.
QStringList restorePointsToDelete(QStringList names, int kept = kRestorePointsKept);

// Where a restore point's set came from: the tuner's file (empty: none) and whether the set
// differed from that file's set; unknown for a point recorded without it.
struct RestoreSource {
    QString file;
    std::optional<bool> edited;
};

// The index: restore-point file name → where its set came from.
QHash<QString, RestoreSource> readRestoreIndex(const QString& folder);

// What a point came from, in `language`: "(no file)", the file's name, or "edited from" it.
QString restorePointOrigin(const RestoreSource& source, int language);
// The label of an opened restore point: its date and time, and what it came from when a file.
QString restorePointLabel(const RestorePointInfo& info, const RestoreSource& source, int language);

// Writes `contents` as restore point `name` in `folder` (made when missing), records
// `source` in the index and deletes the oldest beyond kRestorePointsKept. False when the
// point could not be written.
bool writeRestorePoint(const QString& folder, const QString& name, const QByteArray& contents,
                       const RestoreSource& source);

// The restore-point file names in `folder`, newest first.
QStringList listRestorePoints(const QString& folder);

} // namespace vortan
