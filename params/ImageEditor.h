#pragma once
// The one entry point through which pages 1 and 2 of the device image change, with the
// history of those changes: every edit is recorded as its name and the image before and after
// it, and undo and redo put pages 1 and 2 back from these snapshots. Page 0, the unit's
// identification, is never put back.

#include "params/Edits.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace vortan {

class ImageEditor {
public:
    // Steps kept; beyond them the oldest are forgotten.
    static constexpr std::size_t kDepth = 500;

    explicit ImageEditor(DeviceImage& image) : image_(image) {}

    // Applies `edit` to the image. When pages 1 or 2 changed, the edit becomes the newest step
    // (or carries on the step before, see Edit::key), the steps undone before are dropped, and
    // the result is true.
    bool apply(const Edit& edit);
    // Pages 1 and 2 as they were before the newest step not undone; false when there is none.
    bool undo();
    // Pages 1 and 2 as they were after the oldest step undone; false when there is none.
    bool redo();
    std::optional<EditName> undoName() const;
    std::optional<EditName> redoName() const;
    // Forgets every step.
    void clear();
    std::size_t steps() const { return steps_.size(); }

private:
    struct Step {
        EditName name;
        int key;
        DeviceImage before;
        DeviceImage after;
    };
    void putBack(const DeviceImage& from);

    DeviceImage& image_;
    std::vector<Step> steps_;
    std::size_t cursor_ = 0; // steps_[0, cursor_) are done, the rest undone
    bool open_ = false;      // the newest step may take an edit that continues it
};

} // namespace vortan
