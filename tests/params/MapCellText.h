#pragma once
// Map cells written as text in the map tests: "r,c" cells and "r,c-r,c" rectangles,
// separated by spaces.

#include "params/MapSelection.h"

#include <QString>
#include <QStringList>

inline vortan::MapMask cellsOf(const QString& text) {
    vortan::MapMask m;
    for (const QString& part : text.split(' ', Qt::SkipEmptyParts)) {
        const QStringList ends = part.split('-');
        const QStringList a = ends.front().split(',');
        const QStringList b = ends.back().split(',');
        for (int r = a[0].toInt(); r <= b[0].toInt(); ++r)
            for (int c = a[1].toInt(); c <= b[1].toInt(); ++c)
                m.set(std::size_t(r * 10 + c));
    }
    return m;
}
