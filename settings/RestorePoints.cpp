#include "settings/RestorePoints.h"
#include "settings/SystemPlaces.h"

#include "files/RegularFile.h"
#include "params/OperationTexts.h"
#include "settings/RestoreTexts.h"

#include <QDir>
#include <QFileInfo>
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

QHash<QString, RestoreSource> readRestoreIndex(const QString& folder) {
    QHash<QString, RestoreSource> index;
    const std::optional<QByteArray> bytes =
        readRegularFile(folder + '/' + kIndexName, kMaxIndexSize);
    if (!bytes)
        return index;
    for (const QString& line : QString::fromUtf8(*bytes).split('\n', Qt::SkipEmptyParts)) {
        // name, file and, since points say whether they were edited, "edited" or "same".
        const QStringList fields = line.split('\t');
        if (fields.size() < 2 || fields[0].isEmpty())
            continue;
        RestoreSource source{fields[1], std::nullopt};
        if (fields.size() > 2 && (fields[2] == "edited" || fields[2] == "same"))
            source.edited = fields[2] == "edited";
        index.insert(fields[0], source);
    }
    return index;
}

QString restorePointOrigin(const RestoreSource& source, int language) {
    if (source.file.isEmpty())
        return QString::fromStdString(restoreText(RestoreText::NoFile, language));
    const QString name = QFileInfo(source.file).fileName();
    if (!source.edited.value_or(false))
        return name;
    return QString::fromStdString(operationText(OperationText::EditedFrom, language)).arg(name);
}

QString restorePointLabel(const RestorePointInfo& info, const RestoreSource& source, int language) {
    QString label =
        QString::fromStdString(operationText(OperationText::RestorePointLabel, language))
            .arg(info.when.toString("yyyy-MM-dd HH:mm:ss"));
    if (!source.file.isEmpty())
        label += " (" + restorePointOrigin(source, language) + ')';
    return label;
}

QStringList listRestorePoints(const QString& folder) {
    QStringList names = QDir(folder).entryList({"*.ign"}, QDir::Files);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString& n) { return !isRestorePointName(n); }),
                names.end());
    return restorePointsToDelete(names, 0);
}

bool writeRestorePoint(const QString& folder, const QString& name, const QByteArray& contents,
                       const RestoreSource& source) {
    if (!QDir().mkpath(folder) || !writeRegularFile(folder + '/' + name, contents))
        return false;
    QDir dir(folder);
    const QStringList gone = restorePointsToDelete(listRestorePoints(folder));
    for (const QString& old : gone)
        dir.remove(old);
    QHash<QString, RestoreSource> index = readRestoreIndex(folder);
    for (const QString& old : gone)
        index.remove(old);
    RestoreSource recorded = source;
    recorded.file.replace('\t', ' ').replace('\n', ' ');
    index.insert(name, recorded);
    QStringList keys = index.keys();
    keys.sort();
    QByteArray text;
    for (const QString& key : keys) {
        const RestoreSource& s = index[key];
        QString line = key + '\t' + s.file;
        if (s.edited)
            line += *s.edited ? "\tedited" : "\tsame";
        text += (line + '\n').toUtf8();
    }
    // The index only adds the file's name: a failure here leaves the point itself whole.
    writeRegularFile(folder + '/' + kIndexName, text);
    return true;
}

} // namespace vortan
