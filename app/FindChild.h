#pragma once
// Looks up a control of the window by its object name; every name looked up this way is one
// the window builds, so a miss is a programming error: it stops the program with the name, in
// every build (a null control would only crash later, far from the cause).

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace vortan {

template <typename T> T* requiredChild(const QObject* root, const QString& name) {
    T* w = root->findChild<T*>(name);
    if (!w)
        qFatal("vortan2: the window has no control named \"%s\"", qPrintable(name));
    return w;
}

} // namespace vortan
