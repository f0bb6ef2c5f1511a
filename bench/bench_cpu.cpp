// CPU use of the program: starts `vortan2 --demo` (or the program given) on the offscreen
// platform, lets it run, and reads its user + system time from /proc/<pid>/stat.
// usage: bench_cpu PROGRAM [SECONDS] [ARGS...]

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <unistd.h>

namespace {
// utime + stime in clock ticks, fields 14 and 15 of /proc/<pid>/stat.
long long cpuTicks(qint64 pid) {
    QFile f(QString("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = f.readAll();
    const int close = line.lastIndexOf(')');
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return fields[11].toLongLong() + fields[12].toLongLong();
}

long long residentKiB(qint64 pid) {
    QFile f(QString("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:"))
            return l.mid(6).trimmed().split(' ').front().toLongLong();
    return -1;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_cpu PROGRAM [SECONDS] [ARGS...]\n");
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    QStringList args;
    for (int i = 3; i < argc; ++i)
        args << argv[i];
    if (args.isEmpty())
        args << "--demo";

    // BENCH_SETTINGS names a settings file to start with (e.g. one with ComPort=0: no port).
    QTemporaryDir config;
    const QString settings = qEnvironmentVariable("BENCH_SETTINGS");
    if (!settings.isEmpty()) {
        QDir().mkpath(config.path() + "/Vortan2");
        QFile::copy(settings, config.path() + "/Vortan2/Vortan2.ini");
    }
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", config.path());
    program.setProcessEnvironment(env);
    program.start(argv[1], args);
    if (!program.waitForStarted())
        return 1;
    QThread::sleep(2); // start-up is not part of the figure
    const long long before = cpuTicks(program.processId());
    const long long rssStart = residentKiB(program.processId());
    QThread::sleep(static_cast<unsigned long>(seconds));
    const long long after = cpuTicks(program.processId());
    const long long rssEnd = residentKiB(program.processId());
    const double hz = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double cpu = static_cast<double>(after - before) / hz;
    std::printf("%s %s: %.2f s CPU in %d s = %.2f %% of one core; resident %lld KiB -> %lld KiB\n",
                argv[1], qPrintable(args.join(' ')), cpu, seconds, 100.0 * cpu / seconds, rssStart,
                rssEnd);
    program.terminate();
    program.waitForFinished(5000);
    return 0;
}
