#pragma once
// What the status bar and the Edit menu tell of the set: the counts of the changes not in the
// unit and not saved, the marks of the fields that differ from the unit, the set's controls held
// while an operation runs on the unit (with the reason beside the counts), and the undo and redo
// items named after their edits.

#include "params/DeviceImage.h"
#include "params/OperationTexts.h"

#include <optional>

namespace vortan {

struct WindowContext;

class SetStatusView {
public:
    explicit SetStatusView(WindowContext& context);

    // The counts and marks; redone only when one of the sets changed, or when forced.
    void updateChangeCounts(bool force = false);
    // The set's controls read-only or disabled while an operation holds the set, with the
    // reason beside the counts; everything back when it ends. Cheap when nothing changed.
    void updateSetLock(bool force = false);
    void updateEditMenu();
    // The texts in the language now shown.
    void languageChanged();

private:
    WindowContext& context_;
    // The reason the set's controls were last locked for; nothing while they are free.
    std::optional<OperationText> lockApplied_;
    // The sets the counts and marks were last worked out from.
    struct CountedSets {
        DeviceImage screen;
        std::optional<DeviceImage> unit;
        std::optional<DeviceImage> file;
        bool operator==(const CountedSets& o) const {
            return screen == o.screen && unit == o.unit && file == o.file;
        }
    };
    std::optional<CountedSets> counted_;
};

} // namespace vortan
