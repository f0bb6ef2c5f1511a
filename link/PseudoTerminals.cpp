#include "link/PortCatalogue.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <set>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace vortan {
namespace {

// The controlling terminals of all processes, as device numbers.
std::set<dev_t> controllingTerminals(const QString& procFolder) {
    std::set<dev_t> terminals;
    const QStringList pids = QDir(procFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        QFile stat(procFolder + '/' + pid + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid pgrp session tty_nr ...": the name may hold anything.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields =
            line.mid(line.lastIndexOf(')') + 1).simplified().split(' ');
        if (fields.size() < 5)
            continue;
        const unsigned long tty = fields[4].toULong();
        if (tty != 0)
            terminals.insert(makedev((tty >> 8) & 0xFFF, (tty & 0xFF) | ((tty >> 12) & 0xFFF00)));
    }
    return terminals;
}

} // namespace

QStringList freePseudoTerminals(const QString& ptsFolder, const QString& procFolder) {
    const std::set<dev_t> terminals = controllingTerminals(procFolder);
    QStringList names = QDir(ptsFolder).entryList(QDir::System | QDir::NoDotAndDotDot);
    names.removeIf([](const QString& n) {
        bool number = false;
        n.toInt(&number);
        return !number; // ptmx
    });
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
    QStringList out;
    for (const QString& name : names) {
        const QString path = ptsFolder + '/' + name;
        const QByteArray native = QFile::encodeName(path);
        struct stat st {};
        if (::stat(native.constData(), &st) != 0 || !S_ISCHR(st.st_mode) ||
            terminals.count(st.st_rdev) != 0 || ::access(native.constData(), R_OK | W_OK) != 0)
            continue;
        out << path;
    }
    return out;
}

} // namespace vortan
