#pragma once
// Large test files written in slices, and the process's peak memory, so a test can tell
// that a reader streamed a file instead of holding it.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/resource.h>

// `size` bytes repeating `pattern`, written one megabyte at a time.
inline bool writeBigFile(const QString& path, qint64 size, const QByteArray& pattern,
                         const QByteArray& tail = {}) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray slice;
    while (slice.size() < 1024 * 1024)
        slice += pattern;
    slice.truncate(1024 * 1024);
    for (qint64 left = size; left > 0; left -= slice.size()) {
        const qint64 n = qMin<qint64>(left, slice.size());
        if (f.write(slice.constData(), n) != n)
            return false;
    }
    return f.write(tail) == tail.size();
}

// Peak resident memory of this process so far, in MiB.
inline long peakMemoryMiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}
