#pragma once
// The named edits of the parameter set. Each rule is a pure function of the device image, the
// live monitor values and the window's options that gives the new image; an Edit carries it to
// the editor (ImageEditor.h) under its name. The rules change pages 1 and 2 only: page 0 comes
// along only with the values of the unit or of the last run.

#include "params/DeviceImage.h"
#include "params/MapCursor.h"
#include "params/Messages.h"

#include <cstdint>
#include <functional>

namespace vortan {

// What a rule may look at besides the image: the monitor values and the options.
struct EditInputs {
    MapCursor cursor;                     // the map cell and the servo column in use
    std::uint16_t throttleMillivolts = 0; // the measured throttle-sensor voltage
    bool allCells = false;                // "All" beside Advance - / +
    bool allServo = false;                // "All" beside the servo buttons
};

// Advance - / + (delta -1 / +1): the set normalised, then every map cell (allCells) or the cell
// in use moves by one degree within 0..60; the cell in use not while the engine runs below the
// speed axis.
DeviceImage stepAdvance(DeviceImage image, int delta, const EditInputs& in);
// Column shift down / up: the ten cells of map column `column` (0..9, every throttle row) move
// by one degree within 0..60.
DeviceImage shiftColumn(DeviceImage image, int column, int delta);
// Servo - / +: every NAP_PRIV value (allServo) or that of the servo column in use moves by one
// step of 20 mV within bytes 1..249.
DeviceImage stepServo(DeviceImage image, int delta, const EditInputs& in);
// Set TPS 0 %: a voltage within 300..2500 mV becomes the 0 % byte, mV / 10; others do nothing.
DeviceImage setTps0(DeviceImage image, std::uint16_t millivolts);
// Set TPS 100 %: a voltage within 2500..4600 mV becomes the 100 % byte, the low byte of
// mV / 10 + 6; others do nothing.
DeviceImage setTps100(DeviceImage image, std::uint16_t millivolts);
// Motorbike type: BIKE becomes the item index, then every value returns to its default.
DeviceImage chooseBike(DeviceImage image, int index);

// One edit as the editor applies it: a name, the rule with its inputs bound, and how it merges.
struct Edit {
    EditName name = EditName::Field;
    std::function<DeviceImage(const DeviceImage&)> change;
    // The clicks of one gesture (arrow clicks on one field, a held column-shift button) share a
    // key, the field's byte or the column, and become one step of the history: `continues` tells
    // that this edit carries on the gesture of the step before. -1 never merges.
    int key = -1;
    bool continues = false;
};

Edit advanceEdit(int delta, const EditInputs& in);
// `held`: a repeat of the click before, while the button is held down.
Edit columnShiftEdit(int column, int delta, bool held);
Edit servoEdit(int delta, const EditInputs& in);
Edit tps0Edit(std::uint16_t millivolts);
Edit tps100Edit(std::uint16_t millivolts);
Edit bikeEdit(int index);
Edit newEdit();
// The values that the controls (Field), a file (OpenFile), the unit (Read) or the last run
// (RestoreLast) give: they replace the image.
Edit valuesEdit(EditName name, const DeviceImage& values, int key = -1, bool continues = false);

} // namespace vortan
