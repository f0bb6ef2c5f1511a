// Writes the seed inputs under corpus/<target>/ with the program's own writers, so the
// seeds are files the program really saves. Run: make_seeds <fuzz folder>.

#include "files/ParamFile.h"
#include "monitor/LogCsv.h"
#include "monitor/MonitorPacket.h"
#include "params/Frame.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

using namespace vortan;

namespace {

QString root;

bool put(const char* target, const char* name, const std::string& bytes) {
    const QString dir = root + "/corpus/" + target;
    QDir().mkpath(dir);
    QFile f(dir + "/" + name);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}

DeviceImage tuned() {
    DeviceImage im;
    setDefaults(im);
    for (int i = kPageSize; i < kImageSize; ++i)
        im[i] = static_cast<std::uint8_t>((i * 29 + 7) % 61);
    im[Byte::BIKE] = 3;
    normalise(im);
    return im;
}

std::string fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// A literal with its zero bytes.
template <std::size_t N> std::string lit(const char (&s)[N]) {
    return std::string(s, N - 1);
}

std::string frameBytes(const Frame& f) {
    return std::string(f.begin(), f.end());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <fuzz folder>\n");
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]);
    DeviceImage defaults;
    setDefaults(defaults);
    bool ok = true;

    ok &= put("fuzz_paramfile", "defaults.ign", writeParamFile(defaults, false, "\n"));
    ok &= put("fuzz_paramfile", "tuned_crlf.ign", writeParamFile(tuned(), true, "\r\n"));
    ok &= put("fuzz_paramfile", "few_keys.ign", "KALVORIN_KEY 15\nBIKE 3\nTPS 500 3500\n");
    ok &= put("fuzz_paramfile", "version14.ign", "KALVORIN_KEY 14\nBIKE 3\n");

    ok &= put("fuzz_lastimage", "defaults.ini", lastImageText(defaults));
    ok &= put("fuzz_lastimage", "tuned.ini", lastImageText(tuned()));
    ok &= put("fuzz_lastimage", "short.ini", "1\t2\r\n 300 4294967297 x 5\n");

    QTemporaryDir tmp;
    IniFile ini(tmp.filePath("Vortan2.ini"));
    FormSettings s;
    s.left = -20;
    s.top = 340;
    s.comPort = 3;
    s.language = 2;
    s.file = s.iniDir = QString::fromUtf8("/home/tuner/R6 závod.ign");
    s.activePage = 3;
    s.extMonitor = true;
    ini.writeString("PORTS", "COM3", "/dev/ttyUSB0");
    ok &= writeSettings(ini, s);
    ok &= put("fuzz_inifile", "settings.ini", fileText(ini.path()));
    ok &= put(
        "fuzz_inifile", "comments.ini",
        "; kept\r\n[ form_hlav ]\r\n  Left = 12abc\r\nTop=-7\r\n\r\n[PORTS]\r\nCOM1=/dev/x\r\n");

    // Frames: byte 0 operation, byte 1 switches, byte 2 ticks before it, then chunks.
    MonitorPacket p;
    p.rpm = 6500;
    p.tpsPercent = 40;
    p.tpsRaw = 3000;
    p.lambdaRaw = 1200;
    p.rpmYellow = 1;
    const std::string packet = frameBytes(encodeMonitorPacket(p));
    // Raw chunks hold up to 63 bytes.
    ok &= put("fuzz_frames", "monitor.bin",
              lit("\0\1\0\x33") + packet.substr(0, 51) + char(51) + packet.substr(51));
    ok &= put("fuzz_frames", "monitor_split.bin",
              lit("\0\0\0\x3c") + packet.substr(0, 60) + char(42) + packet.substr(60));
    // A burst of frames without ticks between them (bit 3), then ticks that drain it.
    std::string burst = lit("\1\0\0");
    for (int i = 0; i < 120; ++i)
        burst += lit("\x88") + std::string(101, char(i));
    burst += std::string(20, '\0');
    ok &= put("fuzz_frames", "burst.bin", burst);
    // Read: the three pages from a unit that agrees, then the verify's three pages.
    ok &= put("fuzz_frames", "read_ok.bin", lit("\1\0\0\0\0\0\0\xC0\xE0\xE0\xE0\xE0\xE0"));
    ok &= put("fuzz_frames", "program_ok.bin", lit("\3\0\0\xC0\xE0\xE0\xE0\xE0\xE0"));
    ok &= put("fuzz_frames", "verify_ok.bin", lit("\2\1\0\xE0\xE0\xE0"));
    ok &= put("fuzz_frames", "verify_timeout.bin", lit("\2\0\0") + std::string(30, '\0'));
    std::string noise = lit("\1\2\5") + std::string(200, '\x11');
    for (int i = 0; i < 12; ++i)
        noise += char(63) + std::string(63, char(0x40 + i));
    ok &= put("fuzz_frames", "noise.bin", noise);

    // Run logs: the program's own, and a spreadsheet's with quotes and other columns.
    std::string log = logHeader();
    for (int i = 0; i < 6; ++i) {
        p.rpm = static_cast<std::uint16_t>(2000 + 900 * i);
        p.startLimiter = i == 4;
        log += logLine(55 * i, p, MapCursor{static_cast<std::uint8_t>(i), 4, 2, false});
    }
    ok &= put("fuzz_logcsv", "recorded.csv", log);
    ok &= put("fuzz_logcsv", "spreadsheet.csv",
              "\xEF\xBB\xBF\"note\",\"throttle_pct\",\"rpm\",\"time_s\"\r\n\"a, \"\"b\"\"\n\",40,"
              "5000,0.5\r\nx,41,5100,0.4\r\n,42,,1\r\n");

    if (!ok)
        std::fprintf(stderr, "make_seeds: could not write every seed\n");
    return ok ? 0 : 1;
}
