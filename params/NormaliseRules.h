#pragma once
// The bounds that normalise keeps page 1 of a parameter set within, one row per value: normalise
// applies them, and the words that explain a correction name the row that made it.

#include <vector>

namespace vortan {

struct NormaliseRule {
    int byte;
    int low;                    // first brought within low..high,
    int high;                   //
    int other = -1;             // then held against this value, if any:
    bool raisedToOther = true;  // kept at or above it (limiter), else at or below it
    bool strictlyAbove = false; // kept above it (the points of an axis rise)
};

// In the order normalise applies the relations to other values.
const std::vector<NormaliseRule>& normaliseRules();
// The rule of that byte, null for a byte normalise leaves alone.
const NormaliseRule* normaliseRuleOf(int byte);

} // namespace vortan
