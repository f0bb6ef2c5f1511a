#include "params/ImageEditor.h"

#include <algorithm>

namespace vortan {

namespace {
bool samePages(const DeviceImage& a, const DeviceImage& b) {
    return std::equal(a.page(1), a.page(1) + 2 * kPageSize, b.page(1));
}
} // namespace

bool ImageEditor::apply(const Edit& edit) {
    const DeviceImage before = image_;
    image_ = edit.change(before);
    if (samePages(before, image_))
        return false;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(cursor_), steps_.end());
    Step* last = steps_.empty() ? nullptr : &steps_.back();
    if (open_ && edit.continues && edit.key >= 0 && last && last->name == edit.name &&
        last->key == edit.key) {
        last->after = image_;
        if (samePages(last->before, last->after))
            steps_.pop_back(); // the gesture came back to where it began
    } else {
        if (steps_.size() >= kDepth)
            steps_.erase(steps_.begin());
        steps_.push_back({edit.name, edit.key, before, image_});
    }
    cursor_ = steps_.size();
    open_ = edit.key >= 0;
    return true;
}

void ImageEditor::putBack(const DeviceImage& from) {
    std::copy(from.page(1), from.page(1) + 2 * kPageSize, image_.page(1));
    open_ = false;
}

bool ImageEditor::undo() {
    if (cursor_ == 0)
        return false;
    putBack(steps_[--cursor_].before);
    return true;
}

bool ImageEditor::redo() {
    if (cursor_ == steps_.size())
        return false;
    putBack(steps_[cursor_++].after);
    return true;
}

std::optional<EditName> ImageEditor::undoName() const {
    if (cursor_ == 0)
        return std::nullopt;
    return steps_[cursor_ - 1].name;
}

std::optional<EditName> ImageEditor::redoName() const {
    if (cursor_ == steps_.size())
        return std::nullopt;
    return steps_[cursor_].name;
}

void ImageEditor::clear() {
    steps_.clear();
    cursor_ = 0;
    open_ = false;
}

} // namespace vortan
