// vortan2-sim: serves a simulated unit on a pseudo-terminal until SIGINT or SIGTERM.
// Prints the device path to open; --link PATH also makes PATH a symbolic link to it; --dump
// FILE writes the unit's image into FILE at the stop, as the program keeps its last image.

#include "settings/Settings.h"
#include "sim/SimUnit.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void usage() {
    std::fputs("usage: vortan2-sim [--link PATH] [--silent] [--drop SHARE] [--corrupt SHARE]\n"
               "                   [--wrong-command] [--late STEPS] [--garbage SHARE]\n"
               "                   [--garbage-bytes N] [--split] [--compat CODE]\n"
               "                   [--bike-mask MASK] [--change-rpm2] [--vanish-after STEPS]\n"
               "                   [--vanish-for STEPS] [--seed N] [--hold POS=VALUE]...\n"
               "                   [--near-miss other-kind|other-page|no-reply-bit|one-byte-off]\n"
               "                   [--monitor-burst N] [--dump FILE]\n"
               "A step is 55 ms; shares are 0..1; POS is an image position 0..299.\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    vortan::SimSwitches sw;
    std::string link;
    std::string dump;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) {
                usage();
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--link")
            link = value();
        else if (arg == "--dump")
            dump = value();
        else if (arg == "--silent")
            sw.silent = true;
        else if (arg == "--drop")
            sw.dropShare = std::atof(value());
        else if (arg == "--corrupt")
            sw.corruptShare = std::atof(value());
        else if (arg == "--wrong-command")
            sw.wrongCommand = true;
        else if (arg == "--late")
            sw.lateSteps = std::atoi(value());
        else if (arg == "--garbage")
            sw.garbageShare = std::atof(value());
        else if (arg == "--garbage-bytes")
            sw.garbageBytes = std::atoi(value());
        else if (arg == "--split")
            sw.splitFrames = true;
        else if (arg == "--compat")
            sw.compatibilityCode = std::atoi(value());
        else if (arg == "--bike-mask")
            sw.bikeMask = static_cast<std::uint8_t>(std::strtoul(value(), nullptr, 0));
        else if (arg == "--change-rpm2")
            sw.changeRpm2 = true;
        else if (arg == "--vanish-after")
            sw.vanishAfterSteps = std::atoi(value());
        else if (arg == "--vanish-for")
            sw.vanishForSteps = std::atoi(value());
        else if (arg == "--hold") {
            char* rest = nullptr;
            const long position = std::strtol(value(), &rest, 0);
            if (*rest != '=') {
                usage();
                return 2;
            }
            sw.held.emplace_back(static_cast<int>(position),
                                 static_cast<std::uint8_t>(std::strtoul(rest + 1, nullptr, 0)));
        } else if (arg == "--near-miss") {
            const std::string kind = value();
            const char* kinds[] = {"other-kind", "other-page", "no-reply-bit", "one-byte-off"};
            for (int k = 0; k < 4; ++k)
                if (kind == kinds[k])
                    sw.nearMiss = static_cast<vortan::NearMiss>(k + 1);
            if (sw.nearMiss == vortan::NearMiss::None) {
                usage();
                return 2;
            }
        } else if (arg == "--monitor-burst")
            sw.monitorBurst = std::atoi(value());
        else if (arg == "--seed")
            sw.seed = static_cast<unsigned>(std::strtoul(value(), nullptr, 0));
        else {
            usage();
            return arg == "--help" || arg == "-h" ? 0 : 2;
        }
    }

    // Block the stop signals before the serving thread starts, so only sigwait sees them.
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, nullptr);

    vortan::SimUnit unit;
    unit.setSwitches(sw);
    if (!unit.start()) {
        std::perror("vortan2-sim: openpty");
        return 1;
    }
    if (!link.empty() && !unit.setLinkPath(link)) {
        std::fprintf(stderr, "vortan2-sim: cannot make the link %s\n", link.c_str());
        return 1;
    }
    std::printf("%s\n", unit.devicePath().c_str());
    std::fflush(stdout);
    unit.startThread();

    int signal = 0;
    sigwait(&stop, &signal);
    unit.stopThread();
    unit.vanish(); // also removes the link
    if (!dump.empty() &&
        !vortan::writeLastImage(QString::fromLocal8Bit(dump.c_str()), unit.image())) {
        std::fprintf(stderr, "vortan2-sim: cannot write %s\n", dump.c_str());
        return 1;
    }
    return 0;
}
