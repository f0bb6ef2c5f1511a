#include "params/Edits.h"

namespace vortan {

namespace {
void step(std::uint8_t& v, int delta, int low, int high) {
    if (delta < 0 && v > low)
        --v;
    else if (delta > 0 && v < high)
        ++v;
}
} // namespace

DeviceImage stepAdvance(DeviceImage image, int delta, const EditInputs& in) {
    normalise(image);
    if (in.allCells) {
        for (int r = 0; r < kMapRows; ++r)
            for (int c = 0; c < kMapColumns; ++c)
                step(image.map(r, c), delta, 0, 60);
    } else if (!in.cursor.belowMap) {
        step(image.map(in.cursor.row, in.cursor.column), delta, 0, 60);
    }
    return image;
}

DeviceImage shiftColumn(DeviceImage image, int column, int delta) {
    for (int r = 0; r < kMapRows; ++r)
        step(image.map(r, column), delta, 0, 60);
    return image;
}

DeviceImage stepServo(DeviceImage image, int delta, const EditInputs& in) {
    if (in.allServo) {
        for (int i = 0; i < kAxisPoints; ++i)
            step(image[Byte::NAP_PRIV + i], delta, 1, 249);
    } else {
        step(image[Byte::NAP_PRIV + in.cursor.servoColumn], delta, 1, 249);
    }
    return image;
}

DeviceImage setTps0(DeviceImage image, std::uint16_t millivolts) {
    if (millivolts >= 300 && millivolts <= 2500)
        image[Byte::TPS0] = static_cast<std::uint8_t>(millivolts / 10);
    return image;
}

DeviceImage setTps100(DeviceImage image, std::uint16_t millivolts) {
    if (millivolts >= 2500 && millivolts <= 4600)
        image[Byte::TPS100] = static_cast<std::uint8_t>(millivolts / 10 + 6);
    return image;
}

DeviceImage chooseBike(DeviceImage image, int index) {
    image[Byte::BIKE] = static_cast<std::uint8_t>(index < 0 ? 0 : index);
    setDefaults(image);
    return image;
}

Edit advanceEdit(int delta, const EditInputs& in) {
    return {delta < 0 ? EditName::AdvanceMinus : EditName::AdvancePlus,
            [delta, in](const DeviceImage& image) { return stepAdvance(image, delta, in); }};
}

Edit columnShiftEdit(int column, int delta, bool held) {
    return {delta < 0 ? EditName::ColumnDown : EditName::ColumnUp,
            [column, delta](const DeviceImage& image) { return shiftColumn(image, column, delta); },
            column, held};
}

Edit servoEdit(int delta, const EditInputs& in) {
    return {delta < 0 ? EditName::ServoMinus : EditName::ServoPlus,
            [delta, in](const DeviceImage& image) { return stepServo(image, delta, in); }};
}

Edit tps0Edit(std::uint16_t millivolts) {
    return {EditName::SetTps0,
            [millivolts](const DeviceImage& image) { return setTps0(image, millivolts); }};
}

Edit tps100Edit(std::uint16_t millivolts) {
    return {EditName::SetTps100,
            [millivolts](const DeviceImage& image) { return setTps100(image, millivolts); }};
}

Edit bikeEdit(int index) {
    return {EditName::BikeType,
            [index](const DeviceImage& image) { return chooseBike(image, index); }};
}

Edit newEdit() {
    return {EditName::New, [](DeviceImage image) {
                setDefaults(image);
                return image;
            }};
}

Edit valuesEdit(EditName name, const DeviceImage& values, int key, bool continues) {
    return {name, [values](const DeviceImage&) { return values; }, key, continues};
}

} // namespace vortan
