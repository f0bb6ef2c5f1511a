#pragma once
// Looks up a control of the window by its object name; every name looked up this way is one
// the window builds, so a miss is a programming error: it stops the program with the name, in
// every build (a null control would only crash later, far from the cause).

#include <QHash>
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

// The named objects under a root, gathered in one walk: for views that look up many
// controls at once (a findChild each walks the whole window). Finds what findChild finds;
// valid while no object under the root is added, renamed or deleted.
class ChildIndex {
public:
    explicit ChildIndex(const QObject* root) : root_(root) { add(root); }

    QObject* find(const QString& name) const { return byName_.value(name); }

    template <typename T> T* required(const QString& name) const {
        // An object of another type first under that name: as findChild, look further.
        if (T* found = qobject_cast<T*>(find(name)))
            return found;
        return requiredChild<T>(root_, name);
    }
    // The same, or null when there is none (a control of a page not built yet).
    template <typename T> T* optional(const QString& name) const {
        if (T* found = qobject_cast<T*>(find(name)))
            return found;
        return root_->findChild<T*>(name);
    }

private:
    // findChild's order: the children of an object, then each child's own, depth first.
    void add(const QObject* parent) {
        for (QObject* c : parent->children())
            if (!c->objectName().isEmpty() && !byName_.contains(c->objectName()))
                byName_.insert(c->objectName(), c);
        for (QObject* c : parent->children())
            add(c);
    }

    const QObject* root_;
    QHash<QString, QObject*> byName_;
};

} // namespace vortan
