#pragma once

#include "store/color.h"

// The viridis colour map: dark blue through green to yellow, perceptually
// uniform and readable in grey and by most colour-blind readers. t = 0 gives
// the first of its 256 colours, t = 1 the last, values between the nearest
// entry; values outside 0..1 take the end colours, NaN the first.
Color viridis(double t);
