#pragma once

#include "platform/ui/Geometry.h"

namespace zuno {

// For a piece, x is the well row of its matrix's row 0 and y the well column
// of its column 0; elsewhere it is a screen point.
using BlocksPoint = ui::Point;

}  // namespace zuno
