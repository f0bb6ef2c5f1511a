#include "files/RestorePoints.h"
#include "settings/SystemPlaces.h"

#include "files/RegularFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <functional>

namespace vortan {
namespace {

const char* const kIndexName = "index.tsv";
const char* const kStampFormat = "yyyy-MM-dd_HH-mm-ss";
constexpr qint64 kMaxIndexSize = 4 * 1024 * 1024;

bool isRestorePointName(const QString& name) {
    return parseRestorePointName(name).has_value();
}

} // namespace

QString restorePointFolder() {
    return dataParentFolder() + "/Vortan2/history";
}

QString restorePointUnit(const QString& identification) {
    static const QRegularExpression other("[^A-Za-z0-9_-]+");
    QString unit = identification;
    unit.replace(other, "_");
    while (unit.startsWith('_'))
        unit.remove(0, 1);
    while (unit.endsWith('_'))
        unit.chop(1);
    return unit.isEmpty() ? QStringLiteral("unit") : unit;
}

QString restorePointName(const QDateTime& when, const QString& identification) {
    return when.toString(kStampFormat) + '_' + restorePointUnit(identification) + ".ign";
}

std::optional<RestorePointInfo> parseRestorePointName(const QString& fileName) {
    static const QRegularExpression form(
        "^(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)_([A-Za-z0-9_-]+)\\.ign$");
    const QRegularExpressionMatch m = form.match(fileName);
    if (!m.hasMatch())
        return std::nullopt;
    const QDateTime when = QDateTime::fromString(m.captured(1), kStampFormat);
    if (!when.isValid())
        return std::nullopt;
    return RestorePointInfo{when, m.captured(2)};
}

QStringList restorePointsToDelete(QStringList names, int kept) {
    // The stamp leads the name: newest first is the names in falling order.
    std::sort(names.begin(), names.end(), std::greater<QString>());
    return names.mid(std::max(kept, 0));
}

QHash<QString, QString> readRestoreIndex(const QString& folder) {
    QHash<QString, QString> index;
    const std::optional<QByteArray> bytes =
        readRegularFile(folder + '/' + kIndexName, kMaxIndexSize);
    if (!bytes)
        return index;
    for (const QString& line : QString::fromUtf8(*bytes).split('\n', Qt::SkipEmptyParts)) {
        const int tab = line.indexOf('\t');
        if (tab > 0)
            index.insert(line.left(tab), line.mid(tab + 1));
    }
    return index;
}

QStringList listRestorePoints(const QString& folder) {
    QStringList names = QDir(folder).entryList({"*.ign"}, QDir::Files);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString& n) { return !isRestorePointName(n); }),
                names.end());
    return restorePointsToDelete(names, 0);
}

bool writeRestorePoint(const QString& folder, const QString& name, const QByteArray& contents,
                       const QString& sourceFile) {
    if (!QDir().mkpath(folder) || !writeRegularFile(folder + '/' + name, contents))
        return false;
    QDir dir(folder);
    const QStringList gone = restorePointsToDelete(listRestorePoints(folder));
    for (const QString& old : gone)
        dir.remove(old);
    QHash<QString, QString> index = readRestoreIndex(folder);
    for (const QString& old : gone)
        index.remove(old);
    QString source = sourceFile;
    source.replace('\t', ' ').replace('\n', ' ');
    index.insert(name, source);
    QStringList keys = index.keys();
    keys.sort();
    QByteArray text;
    for (const QString& key : keys)
        text += (key + '\t' + index.value(key) + '\n').toUtf8();
    // The index only adds the file's name: a failure here leaves the point itself whole.
    writeRegularFile(folder + '/' + kIndexName, text);
    return true;
}

} // namespace vortan
