#pragma once
// Whether the windings fit the window, as the main window judges it: the fill to the three
// decimals it shows, at most the one entered. A fill that is not a number passes here; the
// checks of finite results catch it.

#include "calc/limits.h"

namespace toroglav {

inline bool FillWithin(double fill, double entered) {
    return !(fill >= entered + limits::kWindowFillShownTolerance);
}

}  // namespace toroglav
