#pragma once
// What normalise corrected in a parameter set, said in words: a unit (or a file) may hold a
// set the rules do not allow, such as a limiter below the start limiter, and the window shows
// the corrected set. The tuner is told which values the rules changed and why, so that a
// "Verify error!" after such a read is no riddle.
//
// An edit whose result the rules bring back to the set before it changes nothing: applied
// through normalisedEdit() it leaves no step in the history.

#include "params/DeviceImage.h"
#include "params/Edits.h"
#include "params/ParamDiff.h"

#include <string>
#include <vector>

namespace vortan {

struct Correction {
    int byte;         // image position of the value changed
    std::string text; // "the unit holds Limiter = 2,000 rpm, below Start Limiter; shown as ..."
};

// Where the set the rules corrected came from, as the lines name it.
enum class CorrectionSource { Unit, File };

// The values that differ between `before` and `after` = normalise(before), each with the rule
// that changed it, in the order of the window's pages, in `language`.
std::vector<Correction> corrections(const DeviceImage& before, const DeviceImage& after,
                                    int language, const CaptionLookup& caption,
                                    CorrectionSource source = CorrectionSource::Unit);

// `edit` with the rules applied to its result, so it counts as a change only when the
// normalised set differs from the one before it.
Edit normalisedEdit(const Edit& edit);

} // namespace vortan
