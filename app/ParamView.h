#pragma once
// Moves the parameter set between the device image and the window's controls: the
// 130-entry tables of the advance axes, the map, the servo table, the single values, the
// flags and the motorbike type, with the map layout and the colouring rules.

#include "params/DeviceImage.h"
#include "params/ParamTable.h"

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace vortan {

class ParamSpinBox;

class ParamView {
public:
    // Finds every control under `root` once. The controls of a page not built yet are left
    // out (their accessors give null): their values stay in the image as they are.
    explicit ParamView(QWidget* root);

    // Controls → image (divided by the scales), then the map layout and colouring.
    void read(DeviceImage& image) const;
    // Image → controls (multiplied by the scales), then the map layout and colouring. A byte
    // outside its field's range is shown as it is, marked, with a note in `language`.
    void show(const DeviceImage& image, int language);
    // Puts the notes of the marked fields into `language`.
    void setNoteLanguage(int language);
    // Frames the fields whose value in `image` differs from `unit`'s; none while the unit's
    // set is unknown. The number of fields marked.
    int markDifferences(const DeviceImage& image, const std::optional<DeviceImage>& unit) const;
    // The map rows follow TPS_MAPA; the servo and N2O groups follow their enable flags.
    void applyLayout(const DeviceImage& image) const;

    ParamSpinBox* tableEdit(int i) const { return table_[static_cast<std::size_t>(i)]; }
    ParamSpinBox* mapCell(int row, int column) const { return tableEdit(10 + row * 10 + column); }
    QLabel* rowLabel(int row) const { return rowLabels_[static_cast<std::size_t>(row)]; }
    const std::vector<ParamSpinBox*>& allEdits() const { return allEdits_; }
    // The image byte that `edit` holds; -1 for a field of no parameter.
    int byteOf(const ParamSpinBox* edit) const;
    const std::vector<QCheckBox*>& flagBoxes() const { return flagBoxes_; }

private:
    void updateNote(ParamSpinBox* edit, int language) const;

    struct Number {
        NumberParam param;
        ParamSpinBox* edit;
    };
    std::vector<Number> numbers_; // single values and the table
    std::array<ParamSpinBox*, 130> table_{};
    std::array<QLabel*, 10> rowLabels_{};
    std::vector<ParamSpinBox*> allEdits_;
    struct Flag {
        int byte;
        QCheckBox* box;
    };
    std::vector<Flag> flags_;
    std::vector<QCheckBox*> flagBoxes_; // in flagParams() order
    QComboBox* bike_ = nullptr;
    QWidget* root_ = nullptr;
    // Layout and colouring targets.
    std::vector<QWidget*> mapOnly_; // shown only with the throttle map
    QCheckBox* progHned_ = nullptr;
    QCheckBox* excitation_ = nullptr;
    std::vector<QWidget*> servoOnly_;
    std::vector<QWidget*> n2oOnly_;
};

} // namespace vortan
