#include "settings/IniFile.h"

#include "files/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>

namespace vortan {
namespace {

// "[name]" (spaces allowed around it) gives name; otherwise a null string.
QString sectionName(const QByteArray& line) {
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return QString();
    const int close = t.indexOf(']');
    QString name = QString::fromUtf8(close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    if (name.isNull())
        name = QLatin1String(""); // "[]" is a section too
    return name;
}

bool isComment(const QByteArray& line) {
    return line.trimmed().startsWith(';');
}

bool sameName(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Index of the section header line, or -1.
int findSection(const QByteArrayList& lines, const QString& section) {
    for (int i = 0; i < lines.size(); ++i) {
        const QString name = sectionName(lines[i]);
        if (!name.isNull() && sameName(name, section))
            return i;
    }
    return -1;
}

// Index one past the last line of the section that starts at `header`.
int sectionEnd(const QByteArrayList& lines, int header) {
    int i = header + 1;
    while (i < lines.size() && sectionName(lines[i]).isNull())
        ++i;
    return i;
}

// Index of the key's line inside the section, or -1.
int findKey(const QByteArrayList& lines, int header, const QString& key) {
    const int end = sectionEnd(lines, header);
    for (int i = header + 1; i < end; ++i) {
        const QByteArray& line = lines[i];
        if (isComment(line))
            continue;
        const int eq = line.indexOf('=');
        if (eq >= 0 && sameName(QString::fromUtf8(line.left(eq)), key))
            return i;
    }
    return -1;
}

// The value of a key's line as text.
QString valueOf(const QByteArray& line) {
    return QFile::decodeName(line.mid(line.indexOf('=') + 1).trimmed());
}

// Index of the key's line, or -1 when the section or the key is missing.
int findLine(const QByteArrayList& lines, const QString& section, const QString& key) {
    const int header = findSection(lines, section);
    return header < 0 ? -1 : findKey(lines, header, key);
}

} // namespace

void IniFile::load() {
    lines_.clear();
    const std::optional<QByteArray> text = readRegularFile(path_, kMaxSettingsFileSize);
    if (!text)
        return;
    lines_ = text->split('\n');
    // The final line break leaves one empty piece behind.
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
    crlf_ = !lines_.isEmpty() && lines_.first().endsWith('\r');
}

bool IniFile::save() const {
    return !trySave();
}

std::optional<WriteError> IniFile::trySave() const {
    errno = 0;
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        const int error = errno;
        return WriteError{error ? writeFailureOf(error) : WriteFailure::NoFolder, error};
    }
    QByteArray data;
    for (const QByteArray& line : lines_)
        data += line + '\n';
    return saveRegularFile(path_, [&data] { return data; });
}

QStringList IniFile::lines() const {
    QStringList r;
    for (const QByteArray& line : lines_)
        r << QString::fromUtf8(line.endsWith('\r') ? line.chopped(1) : line);
    return r;
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    return findLine(lines_, section, key) >= 0;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const int i = findLine(lines_, section, key);
    return i < 0 ? def : valueOf(lines_[i]);
}

// A value that does not start with a number gives `def` (the private-profile function gives
// 0 there, which would turn a mistyped value into a valid-looking one). Values beyond the
// range of int saturate.
int IniFile::readInteger(const QString& section, const QString& key, int def) const {
    const QString v = readString(section, key, QString());
    int i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == QLatin1Char('-') || v[i] == QLatin1Char('+'))) {
        negative = v[i] == QLatin1Char('-');
        ++i;
    }
    const int firstDigit = i;
    long long n = 0;
    for (; i < v.size() && v[i] >= QLatin1Char('0') && v[i] <= QLatin1Char('9'); ++i) {
        if (n <= static_cast<long long>(INT_MAX) + 1)
            n = n * 10 + (v[i].unicode() - '0');
    }
    if (i == firstDigit)
        return def;
    if (negative)
        n = -n;
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return static_cast<int>(n);
}

// The key is written as given, so "ActivePage " gives the line "ActivePage =3".
void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    const QByteArray line = key.toUtf8() + '=' + QFile::encodeName(value);
    const QByteArray eol = crlf_ ? "\r" : "";
    const int header = findSection(lines_, section);
    if (header < 0) {
        lines_ << '[' + section.toUtf8() + ']' + eol << line + eol;
        return;
    }
    const int i = findKey(lines_, header, key);
    if (i >= 0) {
        if (valueOf(lines_[i]) != value)
            lines_[i] = line + (lines_[i].endsWith('\r') ? "\r" : "");
        return;
    }
    // After the section's last non-empty line, before blank lines that part it from the next.
    int at = sectionEnd(lines_, header);
    while (at > header + 1 && lines_[at - 1].trimmed().isEmpty())
        --at;
    lines_.insert(at, line + eol);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

} // namespace vortan
