#include "app/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <climits>

namespace vortan {
namespace {

// "[name]" (spaces allowed around it) gives name; otherwise a null string.
QString sectionName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return QString();
    const int close = t.indexOf(QLatin1Char(']'));
    QString name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    if (name.isNull())
        name = QLatin1String(""); // "[]" is a section too
    return name;
}

bool isComment(const QString& line) {
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char(';'));
}

bool sameName(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Index of the section header line, or -1.
int findSection(const QStringList& lines, const QString& section) {
    for (int i = 0; i < lines.size(); ++i) {
        const QString name = sectionName(lines[i]);
        if (!name.isNull() && sameName(name, section))
            return i;
    }
    return -1;
}

// Index one past the last line of the section that starts at `header`.
int sectionEnd(const QStringList& lines, int header) {
    int i = header + 1;
    while (i < lines.size() && sectionName(lines[i]).isNull())
        ++i;
    return i;
}

// Index of the key's line inside the section, or -1.
int findKey(const QStringList& lines, int header, const QString& key) {
    const int end = sectionEnd(lines, header);
    for (int i = header + 1; i < end; ++i) {
        const QString& line = lines[i];
        if (isComment(line))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && sameName(line.left(eq), key))
            return i;
    }
    return -1;
}

} // namespace

void IniFile::load() {
    lines_.clear();
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(f.readAll());
    lines_ = text.split(QLatin1Char('\n'));
    for (QString& line : lines_)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    // The final line break leaves one empty piece behind.
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
}

bool IniFile::save() const {
    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    // Unbuffered: a short write (full disk) shows in write()'s count, and the old file stays.
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    QByteArray data;
    for (const QString& line : lines_) {
        data += line.toUtf8();
        data += '\n';
    }
    if (f.write(data) != data.size())
        return false; // QSaveFile discards the temporary file
    return f.commit();
}

bool IniFile::hasKey(const QString& section, const QString& key) const {
    const int header = findSection(lines_, section);
    return header >= 0 && findKey(lines_, header, key) >= 0;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const int header = findSection(lines_, section);
    if (header < 0)
        return def;
    const int i = findKey(lines_, header, key);
    if (i < 0)
        return def;
    const QString& line = lines_[i];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
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
    const QString line = key + QLatin1Char('=') + value;
    const int header = findSection(lines_, section);
    if (header < 0) {
        lines_ << QLatin1Char('[') + section + QLatin1Char(']') << line;
        return;
    }
    const int i = findKey(lines_, header, key);
    if (i >= 0) {
        lines_[i] = line;
        return;
    }
    // After the section's last non-empty line, before blank lines that part it from the next.
    int at = sectionEnd(lines_, header);
    while (at > header + 1 && lines_[at - 1].trimmed().isEmpty())
        --at;
    lines_.insert(at, line);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

} // namespace vortan
