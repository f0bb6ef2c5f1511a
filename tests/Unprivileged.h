#pragma once
// Runs a test function again as the unprivileged user nobody (uid and gid 65534), for what a
// user meets and root does not: folders and files it may not write. The function sets up as
// root, calls rerunAsNobody(), and checks what is left; in the rerun, runningAsNobody() is
// true and it does only the user's part.

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <unistd.h>

// True in the run as nobody.
inline bool runningAsNobody() {
    return qEnvironmentVariableIsSet("VORTAN2_AS_NOBODY");
}

// The folder given to rerunAsNobody(), in the run as nobody.
inline QString nobodyBase() {
    return qEnvironmentVariable("VORTAN2_AS_NOBODY");
}

// Runs the current test function and data row as nobody, from a copy of this program in
// `base` (a folder that nobody may enter, where the build folder may be closed to it); true
// when it passed there. Its output goes to the log when it did not.
inline bool rerunAsNobody(const QString& base) {
    const QString program = base + "/as-nobody";
    if (!QFile::exists(program) && !QFile::copy(QCoreApplication::applicationFilePath(), program))
        return false;
    QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (QTest::currentDataTag())
        function += ':' + QString::fromLatin1(QTest::currentDataTag());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VORTAN2_AS_NOBODY", base);
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    if (::geteuid() == 0)
        child.start("setpriv",
                    {"--reuid=65534", "--regid=65534", "--clear-groups", "--", program, function});
    else // already a user without root's rights
        child.start(program, {function});
    const bool passed = child.waitForFinished(120000) &&
                        child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    if (!passed)
        qWarning().noquote() << "run as nobody:" << child.errorString() << '\n' << child.readAll();
    return passed;
}
