#pragma once
// Looks up a control of the window by its object name; every name looked up this way is one
// the window builds, so a miss is a programming error.

#include <QObject>
#include <QString>

namespace vortan {

template <typename T> T* requiredChild(const QObject* root, const QString& name) {
    T* w = root->findChild<T*>(name);
    Q_ASSERT_X(w, "requiredChild", qPrintable(name));
    return w;
}

} // namespace vortan
