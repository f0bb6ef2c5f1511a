// Last-image reader on any file content, against a plain model of the format: words parted
// by blanks, tabs and line breaks, each a decimal number kept modulo 256, up to 300 of them,
// ending at the first word that is not a number. What was read also survives a write.

#include "FuzzCheck.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>
#include <unistd.h>

using namespace vortan;

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

DeviceImage model(const char* p, std::size_t n, DeviceImage image) {
    std::size_t i = 0;
    for (int count = 0; count < kImageSize;) {
        while (i < n && blank(p[i]))
            ++i;
        if (i == n)
            break;
        std::uint32_t v = 0;
        for (; i < n && !blank(p[i]); ++i) {
            if (p[i] < '0' || p[i] > '9')
                return image;
            v = v * 10u + std::uint32_t(p[i] - '0');
        }
        image[count++] = static_cast<std::uint8_t>(v);
    }
    return image;
}

const QString& scratch() {
    static const QString dir = [] {
        const QString base = QDir::tempPath();
        const QString d = base + QString("/vortan2-fuzz-lastimage-%1").arg(::getpid());
        QDir().mkpath(d);
        std::atexit([] { QDir(scratch()).removeRecursively(); });
        return d;
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = scratch() + "/_Vortan2.ini";
    {
        QFile f(path);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_CHECK(f.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
    }
    DeviceImage image;
    setDefaults(image);
    const DeviceImage expected = model(reinterpret_cast<const char*>(data), size, image);
    FUZZ_CHECK(readLastImage(path, image));
    FUZZ_CHECK(image == expected);

    FUZZ_CHECK(writeLastImage(path, image));
    DeviceImage back;
    FUZZ_CHECK(readLastImage(path, back));
    FUZZ_CHECK(back == image);
    return 0;
}
