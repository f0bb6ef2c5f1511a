#include "settings/WindowSize.h"

#include <algorithm>

namespace vortan {

namespace {
const QString kWindow = QStringLiteral("WINDOW");
} // namespace

std::optional<WindowSize> readWindowSize(const IniFile& ini) {
    const int width = ini.readInteger(kWindow, QStringLiteral("Width"), 0);
    const int height = ini.readInteger(kWindow, QStringLiteral("Height"), 0);
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return WindowSize{QSize(width, height),
                      ini.readInteger(kWindow, QStringLiteral("Maximized"), 0) != 0};
}

bool writeWindowSize(IniFile& ini, const WindowSize& w) {
    storeWindowSize(ini, w);
    return ini.save();
}

void storeWindowSize(IniFile& ini, const WindowSize& w) {
    ini.writeInteger(kWindow, QStringLiteral("Width"), w.size.width());
    ini.writeInteger(kWindow, QStringLiteral("Height"), w.size.height());
    ini.writeInteger(kWindow, QStringLiteral("Maximized"), w.maximized ? 1 : 0);
}

QSize fittedWindowSize(QSize stored, QSize minimum, QSize available) {
    return stored.boundedTo(available).expandedTo(minimum);
}

QRect fittedFrame(QRect frame, QRect available) {
    const QSize size = frame.size().boundedTo(available.size());
    const int x =
        std::clamp(frame.x(), available.x(), available.x() + available.width() - size.width());
    const int y =
        std::clamp(frame.y(), available.y(), available.y() + available.height() - size.height());
    return QRect(QPoint(x, y), size);
}

} // namespace vortan
