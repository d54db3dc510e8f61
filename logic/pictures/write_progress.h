// SPDX-License-Identifier: MIT
// How far a long write has come, and the user's way to stop it.
#pragma once

#include <functional>

namespace vestrel {

// Called with the part done, 0 to 1 (negative: not known); false stops the
// work, which then leaves no file.
using WriteProgress = std::function<bool(double fraction)>;

// The span [from, to] of a larger piece of work; empty when whole is.
inline WriteProgress ProgressPart(const WriteProgress& whole, double from, double to)
{
    if (!whole)
        return {};
    return [whole, from, to](double f) { return whole(f < 0 ? f : from + (to - from) * f); };
}

} // namespace vestrel
