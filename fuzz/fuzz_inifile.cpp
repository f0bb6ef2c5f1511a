// INI class on any file content: the settings and a port are read from it, one key is
// written, and every other line must still be there, in its order; a save and a load give
// back the same lines.

#include "FuzzCheck.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>
#include <unistd.h>

using namespace vortan;

namespace {

const QString& scratch() {
    static const QString dir = [] {
        const QString base = QDir::tempPath();
        const QString d = base + QString("/vortan2-fuzz-ini-%1").arg(::getpid());
        QDir().mkpath(d);
        std::atexit([] { QDir(scratch()).removeRecursively(); });
        return d;
    }();
    return dir;
}

// `after` is `before` with the one line `line` replaced, inserted, or appended under a new
// section header.
bool onlyKeyChanged(const QStringList& before, const QStringList& after, const QString& line,
                    const QString& header) {
    if (after.size() == before.size()) {
        int changed = 0;
        for (int i = 0; i < before.size(); ++i)
            if (before[i] != after[i])
                changed += after[i] == line ? 1 : 100;
        return changed <= 1 && after.contains(line);
    }
    if (after.size() == before.size() + 1) {
        for (int i = 0; i < after.size(); ++i)
            if (after[i] == line) {
                QStringList rest = after;
                rest.removeAt(i);
                if (rest == before)
                    return true;
            }
        return false;
    }
    if (after.size() == before.size() + 2)
        return after.mid(0, before.size()) == before && after[before.size()] == header &&
               after.last() == line;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = scratch() + "/Vortan2.ini";
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(f.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    IniFile ini(path);
    const QStringList before = ini.lines();

    FormSettings current;
    const FormSettings s = readSettings(ini, current);
    FUZZ_CHECK(s.activePage >= 1 && s.activePage <= 4);
    for (int port = 1; port <= 10; ++port)
        FUZZ_CHECK(!portDevicePath(ini, port).isEmpty());
    const int left = ini.readInteger("FORM_HLAV", "Left", 12345);
    FUZZ_CHECK(ini.hasKey("FORM_HLAV", "Left") || left == 12345);
    FUZZ_CHECK(ini.lines() == before); // reading changes nothing

    const QString value = QString("/tmp/fuzz %1.ign").arg(size);
    const bool already =
        ini.hasKey("FORM_HLAV", "File") && ini.readString("FORM_HLAV", "File", QString()) == value;
    ini.writeString("FORM_HLAV", "File", value);
    FUZZ_CHECK(ini.readString("FORM_HLAV", "File", QString()) == value);
    // A value that reads back as it is leaves its line as it was.
    FUZZ_CHECK(already ? ini.lines() == before
                       : onlyKeyChanged(before, ini.lines(), "File=" + value, "[FORM_HLAV]"));

    FUZZ_CHECK(ini.save());
    IniFile again(path);
    FUZZ_CHECK(again.lines() == ini.lines()); // lines are kept byte for byte, endings included
    return 0;
}
